#pragma once

#include "core/Variant.h"

#include <QDate>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class QWidget;

namespace ledgora {

class ReportRecords;

// One control of a report section. Positions and sizes are in twips from the section's top
// left. A label prints its caption, in which "%D" stands for the long date of printing and
// "%p" for the page number; a field prints the value of the record's column of that name;
// a line is a horizontal rule along the control's top; a picture is drawn by its paint
// function into the control's box, in the device's pixels.
struct ReportControl {
    enum class Kind { Label, Field, Line, Picture };

    QString name;
    Kind kind = Kind::Label;
    QString text; // a label's caption, a field's column
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    QFont font;
    // A field's value as printed; without one, the value's standard text.
    std::function<QString(const Variant&)> format;
    // A picture's drawing, given the painter and the control's box; the painter is handed back
    // to the report as it was given and nothing drawn leaves the box.
    std::function<void(QPainter&, const QRectF&)> paint;
};

struct ReportSection {
    QString name;
    int height = 0; // twips
    std::vector<ReportControl> controls;
};

// A banded report: a report header once, a page header at the top of every page, one detail
// band per record, a page footer at the foot of every page and a report footer after the
// last record. It prints page after page straight onto the device, holding nothing of the
// pages already printed, so a long listing costs no more memory than its records.
class BandedReport {
public:
    virtual ~BandedReport() = default;

    // The control of that name in any section, or nothing.
    ReportControl* control(const QString& name);

    // Prints every record onto a printer or PDF writer whose page layout is already set;
    // gives the number of pages.
    int print(QPagedPaintDevice& device, ReportRecords& records) const;

    // Shows the report modally in a preview window from which it can be printed or saved
    // as PDF.
    void preview(ReportRecords& records, QWidget* parent = nullptr) const;

    // Writes the report to a PDF file: a temporary file beside it, renamed over it only when
    // complete. Gives an empty text, or why it could not be written; the pages printed go to
    // `pages` when it is given.
    QString writePdf(const QString& path, ReportRecords& records, int* pages = nullptr) const;

    // The date "%D" prints; today unless set.
    void setPrintingDate(QDate date) { printingDate_ = date; }

    ReportSection reportHeader;
    ReportSection pageHeader;
    ReportSection detail;
    ReportSection pageFooter;
    ReportSection reportFooter;
    QPageLayout pageLayout;
    QString previewCaption;

private:
    QDate printingDate_;
};

} // namespace ledgora

#include "BandedReport.h"

#include "PainterStateGuard.h"
#include "ReportRecords.h"
#include "core/Conversions.h"
#include "core/FileErrorText.h"
#include "core/UiLanguage.h"
#include "platform/FileChooser.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QToolBar>
#include <algorithm>

namespace ledgora {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kRuleTwips = 15; // a rule one screen pixel thick

// Paints sections onto one device, in twips from the printable area's top left.
class SectionPainter {
public:
    SectionPainter(QPainter& painter, const QPaintDevice& device, QDate printed)
        : painter_(painter), toX_(device.logicalDpiX() / kTwipsPerInch),
          toY_(device.logicalDpiY() / kTwipsPerInch), pageHeight_(int(device.height() / toY_)),
          printed_(UiLanguage::textLocale().toString(printed, QLocale::LongFormat)) {
        painter_.setPen(QPen(Qt::black, kRuleTwips * toY_));
    }

    int pageHeight() const { return pageHeight_; }

    void paint(const ReportSection& section, int top, int page, const ReportRecords* record) {
        for (const ReportControl& control : section.controls) {
            if (control.kind == ReportControl::Kind::Line) {
                const double y = (top + control.top) * toY_;
                painter_.drawLine(QPointF(control.left * toX_, y),
                                  QPointF((control.left + control.width) * toX_, y));
                continue;
            }
            if (control.kind == ReportControl::Kind::Picture) {
                paintPicture(control, boxOf(control, top));
                continue;
            }
            QString text;
            if (control.kind == ReportControl::Kind::Field) {
                const Variant value = record ? record->field(control.text) : Variant();
                text = control.format ? control.format(value) : rt::toText(value);
            } else {
                text = control.text;
                if (text.contains(u'%')) {
                    text.replace(QStringLiteral("%D"), printed_);
                    text.replace(QStringLiteral("%p"), QString::number(page));
                }
            }
            if (text.isEmpty())
                continue;
            if (&control.font != font_) {
                font_ = &control.font;
                painter_.setFont(control.font);
            }
            painter_.drawText(boxOf(control, top),
                              int(control.alignment | Qt::AlignVCenter | Qt::TextSingleLine), text);
        }
    }

private:
    QRectF boxOf(const ReportControl& control, int top) const {
        return QRectF(control.left * toX_, (top + control.top) * toY_, control.width * toX_,
                      control.height * toY_);
    }

    // The picture gets the painter as the other controls left it and hands it back the same,
    // so the pen of the rules and the font of the labels carry on after it.
    void paintPicture(const ReportControl& control, const QRectF& box) {
        if (!control.paint)
            return;
        const PainterStateGuard guard(painter_);
        painter_.setClipRect(box);
        try {
            control.paint(painter_, box);
        } catch (...) {
            // A picture that cannot be drawn leaves its box empty: the listing still prints,
            // and the preview, which prints while it paints, never sees the exception.
        }
    }

    QPainter& painter_;
    const double toX_;
    const double toY_;
    const int pageHeight_;
    const QString printed_;
    const QFont* font_ = nullptr;
};

} // namespace

ReportControl* BandedReport::control(const QString& name) {
    for (ReportSection* section : {&reportHeader, &pageHeader, &detail, &pageFooter, &reportFooter})
        for (ReportControl& control : section->controls)
            if (control.name == name)
                return &control;
    return nullptr;
}

int BandedReport::print(QPagedPaintDevice& device, ReportRecords& records) const {
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    SectionPainter sections(painter, device,
                            printingDate_.isValid() ? printingDate_ : QDate::currentDate());
    // Bands stop where the page footer starts; a page takes at least one detail band.
    const int footerTop =
        std::max(sections.pageHeight() - pageFooter.height, pageHeader.height + detail.height);
    int page = 1;
    int y = 0;
    auto startPage = [&] {
        sections.paint(pageHeader, y, page, nullptr);
        y += pageHeader.height;
    };
    auto makeRoomFor = [&](int height) {
        if (y + height <= footerTop)
            return;
        sections.paint(pageFooter, footerTop, page, nullptr);
        device.newPage();
        ++page;
        y = 0;
        startPage();
    };

    sections.paint(reportHeader, y, page, nullptr);
    y += reportHeader.height;
    startPage();
    for (records.moveFirst(); !records.eof(); records.moveNext()) {
        makeRoomFor(detail.height);
        sections.paint(detail, y, page, &records);
        y += detail.height;
    }
    makeRoomFor(reportFooter.height);
    sections.paint(reportFooter, y, page, nullptr);
    sections.paint(pageFooter, footerTop, page, nullptr);
    painter.end();
    return page;
}

void BandedReport::preview(ReportRecords& records, QWidget* parent) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(pageLayout);
    printer.setDocName(previewCaption);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(previewCaption);
    dialog.resize(1000, 760);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [this, &records](QPrinter* target) { print(*target, records); });

    // Printing is on the preview's own toolbar; saving as PDF sits beside it.
    if (auto* toolbar = dialog.findChild<QToolBar*>()) {
        toolbar->addSeparator();
        QAction* save =
            toolbar->addAction(QCoreApplication::translate("BandedReport", "Guardar como PDF..."));
        save->setObjectName(QStringLiteral("actGuardarPdf"));
        QObject::connect(save, &QAction::triggered, &dialog, [this, &records, &dialog] {
            const QString path = FileChooser::saveFile(
                &dialog, QCoreApplication::translate("BandedReport", "Guardar como PDF"),
                {QStringLiteral("PDF (*.pdf)")});
            if (path.isEmpty())
                return;
            const QString failure = writePdf(path, records);
            if (!failure.isEmpty())
                MsgBox(QCoreApplication::translate("BandedReport", "No se pudo guardar %1: %2")
                           .arg(path, failure),
                       MsgIcon::Critical);
        });
    }
    dialog.exec();
}

QString BandedReport::writePdf(const QString& path, ReportRecords& records, int* pages) const {
    // Only a PDF is replaced: a slip in the dialog must not put a listing over the ledger.
    if (QFileInfo::exists(path)) {
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.read(5) != QByteArrayLiteral("%PDF-"))
            return QCoreApplication::translate("BandedReport",
                                               "ya existe y no es un PDF; no se reemplaza");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileErrorText(file);
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(pageLayout);
        writer.setTitle(previewCaption);
        writer.setCreator(QStringLiteral("Ledgora"));
        const int printed = print(writer, records);
        if (printed == 0) {
            file.cancelWriting();
            return QCoreApplication::translate("BandedReport", "no se pudo empezar el PDF");
        }
        if (pages)
            *pages = printed;
    }
    if (!file.commit())
        return fileErrorText(file);
    return {};
}

} // namespace ledgora

#include "ReportControls.h"

namespace ledgora::report {

namespace {

using Kind = ReportControl::Kind;

QFont face(const char* family, bool bold) {
    QFont font;
    font.setFamily(QString::fromLatin1(family));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

ReportControl control(const char* name, Kind kind, const QString& text, int left, int top,
                      int width, int height) {
    ReportControl c;
    c.name = QString::fromUtf8(name);
    c.kind = kind;
    c.text = text;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

} // namespace

ReportControl label(const char* name, const char* caption, int left, int top, int width, int height,
                    Qt::Alignment alignment, bool bold) {
    ReportControl c =
        control(name, Kind::Label, QString::fromUtf8(caption), left, top, width, height);
    c.alignment = alignment;
    c.font = face("Arial", bold);
    return c;
}

ReportControl field(const char* name, const char* column, int left, int top, int width, int height,
                    Qt::Alignment alignment, std::function<QString(const Variant&)> format) {
    ReportControl c =
        control(name, Kind::Field, QString::fromUtf8(column), left, top, width, height);
    c.alignment = alignment;
    c.font = face("Tahoma", false);
    c.format = std::move(format);
    return c;
}

ReportControl line(const char* name, int left, int top, int width) {
    return control(name, Kind::Line, QString(), left, top, width, 0);
}

ReportControl picture(const char* name, int left, int top, int width, int height,
                      std::function<void(QPainter&, const QRectF&)> paint) {
    ReportControl c = control(name, Kind::Picture, QString(), left, top, width, height);
    c.paint = std::move(paint);
    return c;
}

} // namespace ledgora::report

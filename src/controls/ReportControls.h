#pragma once

#include "BandedReport.h"

namespace ledgora {

// The controls reports are drawn with, positions and sizes in twips from the section's top
// left: labels in Arial, fields in Tahoma, 8.25 points, as the first report was drawn; where
// those faces are missing the font configuration's nearest face stands in.
namespace report {

ReportControl label(const char* name, const char* caption, int left, int top, int width, int height,
                    Qt::Alignment alignment = Qt::AlignLeft, bool bold = false);
ReportControl field(const char* name, const char* column, int left, int top, int width, int height,
                    Qt::Alignment alignment, std::function<QString(const Variant&)> format = {});
ReportControl line(const char* name, int left, int top, int width);
ReportControl picture(const char* name, int left, int top, int width, int height,
                      std::function<void(QPainter&, const QRectF&)> paint);

} // namespace report

} // namespace ledgora

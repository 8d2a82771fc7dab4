#include "TitleBanner.h"

namespace ledgora {

TitleBanner::TitleBanner(const QString& text, QWidget* parent, Size size) : QLabel(text, parent) {
    setAutoFillBackground(true);
    QPalette banner = palette();
    banner.setColor(QPalette::Window, QColor(0, 0, 128));
    banner.setColor(QPalette::WindowText, Qt::white);
    setPalette(banner);
    QFont bannerFont = font();
    bannerFont.setBold(true);
    if (size == Size::Large)
        bannerFont.setPointSizeF(bannerFont.pointSizeF() * 1.2);
    setFont(bannerFont);
}

} // namespace ledgora

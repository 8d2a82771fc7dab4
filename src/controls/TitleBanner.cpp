#include "TitleBanner.h"

#include "platform/Twips.h"

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

TitleBanner* TitleBanner::heading(const QString& text, QWidget* parent) {
    auto* banner = new TitleBanner(text, parent, Size::Normal);
    banner->setObjectName(QStringLiteral("Label1"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setMinimumHeight(Twips::toPixelsY(360));
    return banner;
}

} // namespace ledgora

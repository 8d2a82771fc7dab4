#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ledgora {

namespace {
double dpi(bool horizontal) {
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return 96.0;
    return horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
}
} // namespace

double Twips::perPixelX() {
    return 1440.0 / dpi(true);
}
double Twips::perPixelY() {
    return 1440.0 / dpi(false);
}
int Twips::toPixelsX(double twips) {
    return int(std::lround(twips / perPixelX()));
}
int Twips::toPixelsY(double twips) {
    return int(std::lround(twips / perPixelY()));
}
int Twips::fromPixelsX(int pixels) {
    return int(std::lround(pixels * perPixelX()));
}
int Twips::fromPixelsY(int pixels) {
    return int(std::lround(pixels * perPixelY()));
}

QRect Twips::toPixels(int left, int top, int width, int height) {
    return {toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height)};
}

} // namespace ledgora

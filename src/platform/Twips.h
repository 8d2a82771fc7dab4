#pragma once

#include <QRect>

namespace ledgora {

// Screen sizes in twips, 1440 to the inch, at the screen's resolution.
class Twips {
public:
    static double perPixelX();
    static double perPixelY();
    static int toPixelsX(double twips);
    static int toPixelsY(double twips);
    static int fromPixelsX(int pixels);
    static int fromPixelsY(int pixels);
    // A control's place, laid out in twips, in pixels.
    static QRect toPixels(int left, int top, int width, int height);
};

} // namespace ledgora

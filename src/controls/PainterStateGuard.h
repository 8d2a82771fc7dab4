#pragma once

#include <QPainter>

namespace ledgora {

// Saves a painter's pen, brush, font, clip and transform for as long as it lives, so that a
// drawing leaves the painter as it found it however it returns, an exception included.
class PainterStateGuard final {
public:
    explicit PainterStateGuard(QPainter& painter) : painter_(painter) { painter_.save(); }
    ~PainterStateGuard() { painter_.restore(); }
    PainterStateGuard(const PainterStateGuard&) = delete;
    PainterStateGuard& operator=(const PainterStateGuard&) = delete;

private:
    QPainter& painter_;
};

} // namespace ledgora

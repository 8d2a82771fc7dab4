#include "Pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace ledgora {

namespace {
PointerShape currentShape = PointerShape::Normal;
std::function<void(PointerShape)>& observer() {
    static std::function<void(PointerShape)> instance;
    return instance;
}
} // namespace

void Pointer::set(PointerShape shape) {
    if (shape != currentShape && qGuiApp) {
        if (shape == PointerShape::Busy)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            while (QGuiApplication::overrideCursor())
                QGuiApplication::restoreOverrideCursor();
    }
    currentShape = shape;
    if (observer())
        observer()(shape);
}

PointerShape Pointer::current() {
    return currentShape;
}

void Pointer::setObserver(std::function<void(PointerShape)> watcher) {
    observer() = std::move(watcher);
}

} // namespace ledgora

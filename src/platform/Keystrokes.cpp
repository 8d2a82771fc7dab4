#include "Keystrokes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ledgora {

namespace {
std::function<void(Keystroke, bool)>& observer() {
    static std::function<void(Keystroke, bool)> instance;
    return instance;
}
} // namespace

void Keystrokes::send(Keystroke key, bool wait) {
    if (observer())
        observer()(key, wait);
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return;
    const int qtKey = key == Keystroke::Tab ? Qt::Key_Tab : Qt::Key_Backtab;
    const auto modifiers = key == Keystroke::Tab ? Qt::NoModifier : Qt::ShiftModifier;
    if (wait) {
        QKeyEvent event(QEvent::KeyPress, qtKey, modifiers);
        QApplication::sendEvent(target, &event);
    } else {
        QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, qtKey, modifiers));
    }
}

void Keystrokes::setObserver(std::function<void(Keystroke, bool)> watcher) {
    observer() = std::move(watcher);
}

} // namespace ledgora

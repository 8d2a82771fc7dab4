#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace ledgora::test {

// Plays a person at the keyboard of the modal screens a routine opens: each new modal
// window gets the next action in turn (by default ESC, leaving it).
class ModalDriver {
public:
    using Action = std::function<void(QWidget* modal)>;

    ModalDriver() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    void then(Action action) { actions_.push_back(std::move(action)); }
    int handled() const { return handled_; }

    static void press(QWidget* modal, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != modal)
            target = modal;
        QTest::keyClick(target, Qt::Key(key), mods);
    }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        // A person acts on a window once it is there and has the focus.
        if (!modal || modal == last_ || !modal->isVisible() ||
            QApplication::activeWindow() != modal)
            return;
        last_ = modal;
        ++handled_;
        Action action = actions_.empty() ? Action([](QWidget* m) { press(m, Qt::Key_Escape); })
                                         : std::move(actions_.front());
        if (!actions_.empty())
            actions_.pop_front();
        action(modal);
    }

    QTimer timer_;
    std::deque<Action> actions_;
    QPointer<QWidget> last_;
    int handled_ = 0;
};

} // namespace ledgora::test

#pragma once

// What the tests of screens and controls share: the message boxes and the pointer recorded,
// the person's keyboard, the modal screens a routine opens, reading grids, the locales and
// the run-time errors a step raises.

#include "GuardedTest.h"
#include "core/RuntimeError.h"
#include "core/SettingsStore.h"
#include "platform/MessageBoxes.h"
#include "platform/Pointer.h"

#include <QApplication>
#include <QBrush>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace ledgora::test {

using namespace Qt::StringLiterals;

// Records every message box and answers it from a script (Yes/No boxes default to No). A
// recorder that expects none fails the test at the first box, instead of leaving a real
// modal box open until the function times out.
class MessageRecorder {
public:
    enum class Boxes { Expected, Unexpected };
    explicit MessageRecorder(Boxes kind = Boxes::Expected) {
        previous_ = MessageBoxes::setHandler([this, kind](const MessageBoxRequest& request) {
            boxes.push_back(request);
            if (kind == Boxes::Unexpected)
                QTest::qFail(qPrintable(u"unexpected message box: "_s + request.prompt), __FILE__,
                             __LINE__);
            if (!answers.empty()) {
                const MsgAnswer answer = answers.front();
                answers.pop_front();
                return answer;
            }
            return request.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
        });
    }
    ~MessageRecorder() { MessageBoxes::setHandler(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList prompts() const {
        QStringList list;
        for (const auto& box : boxes)
            list << box.prompt;
        return list;
    }

    std::vector<MessageBoxRequest> boxes;
    std::deque<MsgAnswer> answers;

private:
    MessageBoxes::Handler previous_;
};

// Records the pointer's shapes in order.
class PointerRecorder {
public:
    PointerRecorder() {
        Pointer::setObserver([this](PointerShape shape) { shapes.push_back(shape); });
    }
    ~PointerRecorder() { Pointer::setObserver({}); }
    PointerRecorder(const PointerRecorder&) = delete;
    PointerRecorder& operator=(const PointerRecorder&) = delete;

    std::vector<PointerShape> shapes;
};

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
        // A test that has failed leaves no modal window open behind it: it ends at once
        // instead of waiting there for the function's timeout.
        if (modal && QTest::currentTestFailed()) {
            press(modal, Qt::Key_Escape);
            return;
        }
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

// Sets the default locale for the life of the object.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) : previous_(QLocale()) {
        QLocale::setDefault(locale);
    }
    ~LocaleScope() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

inline QLocale pointLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}
inline QLocale commaLocale() {
    return QLocale(QLocale::Spanish, QLocale::Spain);
}
// The two locales as a test's data, for functions that run in each.
inline void inEitherLocale() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("point") << pointLocale();
    QTest::newRow("comma") << commaLocale();
}

// The run-time error a step raises, if it raises one; its number (0 when none) or its
// description (empty when none).
inline std::optional<RuntimeError> errorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}
inline long errorNumberOf(const std::function<void()>& step) {
    const auto error = errorOf(step);
    return error ? error->number() : 0;
}
inline QString errorDescriptionOf(const std::function<void()>& step) {
    const auto error = errorOf(step);
    return error ? error->description() : QString();
}

inline QWidget* focused() {
    return QApplication::focusWidget();
}
inline void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(focused(), k, mods);
}
inline void keys(std::initializer_list<Qt::Key> ks) {
    for (Qt::Key k : ks)
        key(k);
}
// Types into the focused box (its text is selected on entering it). Letters beyond ASCII come
// from their own keys, as on a Spanish keyboard.
inline void type(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(focused(), char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}
// A screen's widget, found by its name.
template <typename T = QWidget> T* child(const QObject* screen, const char* name) {
    auto* found = screen->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}
// Shows a screen and makes it the active window, as the person finds it.
inline bool showActive(QWidget& screen) {
    screen.show();
    QApplication::setActiveWindow(&screen);
    return QTest::qWaitForWindowActive(&screen);
}

// The texts of a grid's row, or of one column of its rows 1.. (row 0 is the header).
template <typename Grid> QStringList gridRow(const Grid& grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid.cols(); ++c)
        cells << grid.textMatrix(row, c);
    return cells;
}
template <typename Grid> QStringList column(const Grid& grid, int col) {
    QStringList cells;
    for (int r = 1; r < grid.rows(); ++r)
        cells << grid.textMatrix(r, col);
    return cells;
}
// What a grid cell shows, by grid row: its background, invalid when it has none of its own.
inline QColor cellBackground(const QTableView& grid, int row, int col) {
    const QVariant brush =
        grid.model()->data(grid.model()->index(row - 1, col), Qt::BackgroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

} // namespace ledgora::test

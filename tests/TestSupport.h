#pragma once

#include "core/SettingsStore.h"
#include "platform/MessageBoxes.h"
#include "platform/Pointer.h"

#include <QBrush>
#include <QLocale>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <deque>
#include <vector>

namespace ledgora::test {

// Records every message box and answers it from a script (Yes/No boxes default to No).
class MessageRecorder {
public:
    MessageRecorder() {
        previous_ = MessageBoxes::setHandler([this](const MessageBoxRequest& request) {
            boxes.push_back(request);
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

// What a grid cell shows, by grid row (row 0 is the header): its background, invalid when it
// has none of its own.
inline QColor cellBackground(const QTableView& grid, int row, int col) {
    const QVariant brush =
        grid.model()->data(grid.model()->index(row - 1, col), Qt::BackgroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

inline QLocale pointLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}
inline QLocale commaLocale() {
    return QLocale(QLocale::Spanish, QLocale::Spain);
}

} // namespace ledgora::test

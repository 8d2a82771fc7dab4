#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace ledgora {

// A short list to choose one entry from with the keyboard alone: arrows or the first letters
// to move, ENTER to take the entry, ESC to leave without one.
class PickList {
public:
    // The index of the entry chosen, or nothing when the person left. `current` is the
    // entry selected when the list opens.
    static std::optional<int> choose(QWidget* parent, const QString& prompt,
                                     const QStringList& entries, int current = 0);
};

} // namespace ledgora

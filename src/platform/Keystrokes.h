#pragma once

#include <functional>

namespace ledgora {

enum class Keystroke { Tab, ShiftTab };

// Synthesised keystrokes to the active window: "{TAB}" moves the focus to the next control
// of the tab order, "+{TAB}" to the previous one. With `wait` the keystroke is processed
// before the call returns; without it, once control is back in the event loop.
class Keystrokes {
public:
    static void send(Keystroke key, bool wait);
    // Tests see every keystroke sent; an empty observer stops watching.
    static void setObserver(std::function<void(Keystroke, bool wait)> observer);
};

} // namespace ledgora

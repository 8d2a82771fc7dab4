#pragma once

#include <Qt>

class QKeyEvent;

namespace ledgora {

// Key codes and shift states as the screens' key handlers receive them: the platform's
// virtual-key codes, and the shift state as bits (1 Shift, 2 Ctrl, 4 Alt).
namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Escape = 27, Space = 32, PageUp = 33, PageDown = 34,
              End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45,
              Delete = 46, P = 80, Z = 90, Decimal = 110, F1 = 112, F2 = 113, F3 = 114, F4 = 115,
              F5 = 116, F6 = 117, F7 = 118, F8 = 119, F9 = 120, F10 = 121, F11 = 122, F12 = 123;
}
namespace shiftstate {
constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

struct KeyInfo {
    int keyCode = 0;
    int shift = 0;
};

KeyInfo keyInfoOf(const QKeyEvent& event);
// The shift state bits of keyboard modifiers, as key and mouse handlers receive them.
int shiftStateOf(Qt::KeyboardModifiers modifiers);
// The button bits of mouse buttons (1 left, 2 right, 4 middle).
int mouseButtonsOf(Qt::MouseButtons buttons);
// The character a key press types, 0 when it types none (ENTER types 13).
int keyAsciiOf(const QKeyEvent& event);

} // namespace ledgora

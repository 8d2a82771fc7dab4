#include "VirtualKeys.h"

#include <QKeyEvent>

namespace ledgora {

int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= shiftstate::Shift;
    if (modifiers & Qt::ControlModifier)
        bits |= shiftstate::Ctrl;
    if (modifiers & Qt::AltModifier)
        bits |= shiftstate::Alt;
    return bits;
}

int mouseButtonsOf(Qt::MouseButtons buttons) {
    int bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= 1;
    if (buttons & Qt::RightButton)
        bits |= 2;
    if (buttons & Qt::MiddleButton)
        bits |= 4;
    return bits;
}

KeyInfo keyInfoOf(const QKeyEvent& event) {
    KeyInfo info;
    const auto mods = event.modifiers();
    info.shift = shiftStateOf(mods);

    const int key = event.key();
    const bool keypad = mods & Qt::KeypadModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        info.keyCode = 'A' + (key - Qt::Key_A);
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        info.keyCode = keypad ? 96 + (key - Qt::Key_0) : '0' + (key - Qt::Key_0);
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        info.keyCode = vk::F1 + (key - Qt::Key_F1);
    else {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            info.keyCode = vk::Return;
            break;
        case Qt::Key_Escape:
            info.keyCode = vk::Escape;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            info.keyCode = vk::Tab;
            break;
        case Qt::Key_Backspace:
            info.keyCode = vk::Back;
            break;
        case Qt::Key_Space:
            info.keyCode = vk::Space;
            break;
        case Qt::Key_PageUp:
            info.keyCode = vk::PageUp;
            break;
        case Qt::Key_PageDown:
            info.keyCode = vk::PageDown;
            break;
        case Qt::Key_End:
            info.keyCode = vk::End;
            break;
        case Qt::Key_Home:
            info.keyCode = vk::Home;
            break;
        case Qt::Key_Left:
            info.keyCode = vk::Left;
            break;
        case Qt::Key_Up:
            info.keyCode = vk::Up;
            break;
        case Qt::Key_Right:
            info.keyCode = vk::Right;
            break;
        case Qt::Key_Down:
            info.keyCode = vk::Down;
            break;
        case Qt::Key_Insert:
            info.keyCode = vk::Insert;
            break;
        case Qt::Key_Delete:
            info.keyCode = vk::Delete;
            break;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            info.keyCode = keypad ? vk::Decimal : (key == Qt::Key_Period ? 190 : 188);
            break;
        case Qt::Key_Minus:
            info.keyCode = keypad ? 109 : 189;
            break;
        case Qt::Key_Plus:
            info.keyCode = keypad ? 107 : 187;
            break;
        default:
            info.keyCode = 0;
            break;
        }
    }
    return info;
}

int keyAsciiOf(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return 13;
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.front().unicode();
}

} // namespace ledgora

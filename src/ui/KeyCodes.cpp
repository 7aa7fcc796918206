#include "KeyCodes.h"

#include <QKeyEvent>

namespace {

// The digit that the physical key stands for, or -1. The scan code tells the
// main-row digit keys apart from shifted symbols and from the keypad; events
// without a scan code (synthesised ones) fall back to the key itself.
int mainRowDigit(const QKeyEvent &event) {
#if defined(Q_OS_WIN)
    const quint32 vk = event.nativeVirtualKey();
    if (vk >= 0x30 && vk <= 0x39)
        return int(vk - 0x30);
#else
    const quint32 scan = event.nativeScanCode();
    if (scan >= 10 && scan <= 18) // X11 key codes of the keys 1 .. 9
        return int(scan - 9);
    if (scan == 19) // X11 key code of the key 0
        return 0;
#endif
    if (event.nativeScanCode() == 0 && event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9)
        return event.key() - Qt::Key_0;
    return -1;
}

} // namespace

int formKeyCode(const QKeyEvent &event) {
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return KeyCode::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyCode::Enter;
    case Qt::Key_Escape:
        return KeyCode::Escape;
    case Qt::Key_Space:
        return KeyCode::Space;
    case Qt::Key_Left:
        return KeyCode::Left;
    case Qt::Key_Up:
        return KeyCode::Up;
    case Qt::Key_Right:
        return KeyCode::Right;
    case Qt::Key_Down:
        return KeyCode::Down;
    case Qt::Key_F5:
        return KeyCode::F5;
    default:
        break;
    }
    if (keypad) {
        if (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9)
            return KeyCode::Keypad0 + (event.key() - Qt::Key_0);
        return KeyCode::Other;
    }
    const int digit = mainRowDigit(event);
    return digit >= 0 ? KeyCode::Digit0 + digit : KeyCode::Other;
}

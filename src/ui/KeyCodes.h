#pragma once

class QKeyEvent;

// Key codes as the screens' key handlers know them.
namespace KeyCode {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Digit0 = 48; // 48 .. 57: the digit keys of the main keyboard
constexpr int Digit9 = 57;
constexpr int Keypad0 = 96; // 96 .. 105: the digits of the numeric keypad
constexpr int F5 = 116;
constexpr int Other = 0;
} // namespace KeyCode

// Maps a key press to its code. A digit key of the main keyboard gives its
// digit's code whatever the shift state and layout (Shift+1 still types 1);
// the digits of the numeric keypad never give 48 .. 57.
int formKeyCode(const QKeyEvent &event);

inline bool isMainDigit(int code) {
    return code >= KeyCode::Digit0 && code <= KeyCode::Digit9;
}

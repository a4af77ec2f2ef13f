#pragma once

#include <cstdint>

// A key as the game names it. Printable keys are their own character (letters
// in lower case, digits, '-', '=', '+' and the space); the others have names
// past the character range. Keys the game has no use for arrive as Other.
enum class Key : int32_t {
    Other = 0,
    Backspace = 8,
    Return = 13,
    Escape = 27,
    Space = ' ',
    Plus = '+',
    Minus = '-',
    Equals = '=',
    Digit0 = '0',
    Digit1 = '1',
    Digit2 = '2',
    Digit3 = '3',
    Digit4 = '4',
    Digit5 = '5',
    Digit6 = '6',
    Digit7 = '7',
    Digit8 = '8',
    Digit9 = '9',
    A = 'a',
    B = 'b',
    C = 'c',
    D = 'd',
    E = 'e',
    F = 'f',
    G = 'g',
    H = 'h',
    I = 'i',
    J = 'j',
    K = 'k',
    L = 'l',
    M = 'm',
    N = 'n',
    O = 'o',
    P = 'p',
    Q = 'q',
    R = 'r',
    S = 's',
    T = 't',
    U = 'u',
    V = 'v',
    W = 'w',
    X = 'x',
    Y = 'y',
    Z = 'z',
    Delete = 127,
    Up = 256,
    Down,
    Left,
    Right,
    PageUp,
    PageDown,
    End,
    F1,
    KeypadMinus,
    KeypadPlus,
    Keypad0,  // Keypad0 + n is the keypad's digit n
};

// The key that types `c`: a letter in lower case, a digit or a sign.
constexpr Key charKey(char c) { return Key(int32_t(c)); }
// The digit a key types, from the main row or the keypad; -1 for other keys.
int typedDigit(Key key);

enum class MouseButton { Left, Middle, Right, Other };

// One thing the player did, as the window reports it. Positions are window
// pixels with the origin at the lower-left corner, y up, as everything is drawn.
struct InputEvent {
    enum Kind { KeyPress, MousePress, MouseRelease, MouseMove, Wheel, Quit };

    Kind kind = KeyPress;
    Key key = Key::Other;                     // KeyPress
    MouseButton button = MouseButton::Other;  // MousePress, MouseRelease
    int x = 0, y = 0;                         // the pointer, for every mouse event
    bool dragging = false;                    // MouseMove: the left, middle or right button is held
    int rows = 0;  // Wheel: one notch, -1 up (towards the top of a list) or +1 down

    static InputEvent keyPress(Key key);
    static InputEvent mousePress(int x, int y, MouseButton button = MouseButton::Left);
    static InputEvent mouseMove(int x, int y, bool dragging = false);
    static InputEvent wheel(int x, int y, int rows);
};

#pragma once

namespace ostrel
{
namespace Keyboard
{

// Keys the engine reports; every other key arrives as UNDEFINED_KEY.
// The digits run 1 to 9 and then 0, as on the keyboard's top row.
enum Key
{
    UNDEFINED_KEY = -1,
    SPACE,
    ENTER,
    ESCAPE,
    TAB,
    LEFT_ARROW,
    RIGHT_ARROW,
    UP_ARROW,
    DOWN_ARROW,
    PAUSE,
    HYPHEN,
    EQUAL,
    GRAVE,
    PERIOD,
    COMMA,
    SLASH,
    LEFT_CONTROL,
    RIGHT_CONTROL,
    LEFT_SHIFT,
    RIGHT_SHIFT,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    A,
    B,
    C,
    D,
    E,
    F,
    G,
    H,
    I,
    J,
    K,
    L,
    M,
    N,
    O,
    P,
    Q,
    R,
    S,
    T,
    U,
    V,
    W,
    X,
    Y,
    Z,
    NUM1,
    NUM2,
    NUM3,
    NUM4,
    NUM5,
    NUM6,
    NUM7,
    NUM8,
    NUM9,
    NUM0,
};

// The digit a top-row digit key stands for (NUM0 is 0), or -1 for any other key.
int digitOf(Key key);

} // namespace Keyboard
} // namespace ostrel

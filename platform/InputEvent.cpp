#include "platform/InputEvent.h"

int typedDigit(Key key) {
    const int32_t k = int32_t(key);
    if (k >= '0' && k <= '9') return k - '0';
    if (k >= int32_t(Key::Keypad0) && k <= int32_t(Key::Keypad0) + 9) return k - int32_t(Key::Keypad0);
    return -1;
}

InputEvent InputEvent::keyPress(Key key) {
    InputEvent event;
    event.kind = KeyPress;
    event.key = key;
    return event;
}

InputEvent InputEvent::mousePress(int x, int y, MouseButton button) {
    InputEvent event;
    event.kind = MousePress;
    event.x = x;
    event.y = y;
    event.button = button;
    return event;
}

InputEvent InputEvent::mouseMove(int x, int y, bool dragging) {
    InputEvent event;
    event.kind = MouseMove;
    event.x = x;
    event.y = y;
    event.dragging = dragging;
    return event;
}

InputEvent InputEvent::wheel(int x, int y, int rows) {
    InputEvent event;
    event.kind = Wheel;
    event.x = x;
    event.y = y;
    event.rows = rows;
    return event;
}

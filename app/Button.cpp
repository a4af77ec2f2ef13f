#include "app/Button.h"

#include "render/FlatShapes.h"
#include "render/Font.h"
#include "render/WindowProjection.h"

Button::Button(Widget* parent_) : Widget(parent_->ui) { parent = parent_; }

void Button::update() { restartTimer(); }

void Button::draw() {
    if (hidden) return;
    int w = int(max.x - min.x);
    int h = int(max.y - min.y);
    RegionProjection region(ui.window(), min, float(w), float(h));
    if (lit) {
        setColour(0.2f, 0.45f, 0.2f);
        fillRect(1, 1, float(w - 2), float(h - 2));
    }
    setColour(1, 1, 1);
    outlineRect(1, 1, float(w - 2), float(h - 2));
    Vec2f size = textSize(*ui.font, label);
    drawText(*ui.font, label, Vec2f(float(w) / 2 - size.x / 2, float(h) / 2 - size.y / 2));
}

bool Button::handleEvent(const InputEvent& event) {
    if (event.kind != InputEvent::MousePress) return false;
    if (contains(windowPoint(event))) clicked = true;
    return true;
}

#include "app/Widget.h"

void Widget::click(Vec2f p) {
    ui.focus = this;
    for (Widget* child : children) {
        if (child->hidden || !child->contains(p)) continue;
        child->click(p);
        return;
    }
}

bool Widget::contains(Vec2f p) const {
    return min.x <= p.x && p.x <= max.x && min.y <= p.y && p.y <= max.y;
}

void Widget::restartTimer() {
    if (!entered) return;
    entered = false;
    enterTime = ui.clock;
}

LocalPoint localPoint(const Widget& widget, const InputEvent& event) {
    Vec2f p = windowPoint(event);
    return {int(p.x - widget.min.x), int(p.y - widget.min.y)};
}

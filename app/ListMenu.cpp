#include "app/ListMenu.h"

#include "render/Font.h"

namespace {

constexpr int rowHeight = 32;  // pixels between items

}  // namespace

void menuUpdate(Widget& screen) {
    screen.restartTimer();
    screen.ui.stars->step(screen.ui.window());
}

void ListMenu::update() { menuUpdate(*this); }

bool ListMenu::handleEvent(const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::MouseMove:
            selectItemAt(event.y);
            return true;
        case InputEvent::MousePress:
            activateSelected();
            return true;
        case InputEvent::KeyPress:
            break;
        default:
            return false;
    }
    int last = int(items.size()) - 1;
    if (menuKeyActivates(event.key, selected, last, last)) activateSelected();
    return true;
}

bool menuKeyActivates(Key key, int& selected, int last, int escapeItem) {
    switch (key) {
        case Key::Return:
            return true;
        case Key::Escape:
            selected = escapeItem;
            return true;
        case Key::Up:
            if (selected > 0) --selected;
            return false;
        case Key::Down:
            if (selected < last) ++selected;
            return false;
        default:
            return false;
    }
}

void ListMenu::activateSelected() {
    // An empty list has nothing to activate.
    if (selected >= 0 && selected < int(items.size())) activate(selected);
}

void ListMenu::selectItemAt(int mouseY) {
    for (int i = 0; i < int(items.size()); ++i) {
        float top = itemPosition(i).y;
        if (top <= float(mouseY) && float(mouseY) <= top + textSize(*ui.font, items[i]).y)
            selected = i;
    }
}

int ListMenu::layoutOffset() const { return 16 * int(items.size()) - 40; }

Vec2f ListMenu::itemPosition(int index) const {
    return Vec2f(float(ui.width / 2 - 100),
                 float(ui.height / 2 - rowHeight * index + layoutOffset()));
}

void ListMenu::drawTitle() const {
    float x = float(ui.width / 2) - textSize(*ui.font, title).x / 2;
    drawText(*ui.font, title, Vec2f(x, float(ui.height / 2 + layoutOffset() + 40)));
}

void ListMenu::drawMarker(const std::string& marker) const {
    drawText(*ui.font, marker, itemPosition(selected));
}

void ListMenu::drawItems() const {
    for (int i = 0; i < int(items.size()); ++i) drawText(*ui.font, items[i], itemPosition(i));
}

#include "app/ListMenu.h"

#include <GL/gl.h>

#include "render/Font.h"
#include "render/WindowProjection.h"

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

void beginMenuFrame(const Ui& ui) {
    projectOntoWindow(ui.width, ui.height);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // The stars of endMenuFrame() rely on the depth test.
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glEnable(GL_TEXTURE_2D);
}

void drawTextBacking(const Font& font, const std::string& text, Vec2f origin) {
    const float pad = 3.0f;  // pixels around the letters
    Vec2f size = textSize(font, text);
    float lineAdvance = font.glyphHeight + float(font.lineSpacing);
    float top = origin.y + font.glyphHeight + pad;
    float bottom = origin.y - (size.y - lineAdvance) - pad;  // below the last line's cell
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, 0.7f);
    glRectf(origin.x - pad, bottom, origin.x + size.x + pad, top);
    glEnable(GL_TEXTURE_2D);
}

void drawImageOverStars(const Texture& texture, Vec2f pos) {
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    drawImage(texture, pos);
    glDisable(GL_ALPHA_TEST);
}

void endMenuFrame(const Ui& ui) {
    // Pushed back in depth: every text cell drawn this frame hides the stars
    // behind it, so none shows between or inside the letters.
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -0.5f);
    ui.stars->draw(ui.window());
    glPopMatrix();
}

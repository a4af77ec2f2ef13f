#include "app/Button.h"

#include <GL/gl.h>

#include "render/Font.h"

Button::Button(Widget* parent_) : Widget(parent_->ui) { parent = parent_; }

void Button::update() { restartTimer(); }

void Button::draw() {
    if (hidden) return;
    int w = int(max.x - min.x);
    int h = int(max.y - min.y);
    glViewport(int(min.x), int(min.y), w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glDisable(GL_TEXTURE_2D);
    if (lit) {
        glColor3f(0.2f, 0.45f, 0.2f);
        glRectf(1, 1, float(w - 2), float(h - 2));
    }
    glColor3f(1, 1, 1);
    glBegin(GL_LINE_LOOP);
    glVertex2f(1, 1);
    glVertex2f(float(w - 2), 1);
    glVertex2f(float(w - 2), float(h - 2));
    glVertex2f(1, float(h - 2));
    glEnd();

    glEnable(GL_TEXTURE_2D);
    Vec2f size = textSize(*ui.font, label);
    drawText(*ui.font, label, Vec2f(float(w) / 2 - size.x / 2, float(h) / 2 - size.y / 2));
    glViewport(0, 0, ui.width, ui.height);
}

bool Button::handleEvent(const InputEvent& event) {
    if (event.kind != InputEvent::MousePress) return false;
    if (contains(windowPoint(event))) clicked = true;
    return true;
}

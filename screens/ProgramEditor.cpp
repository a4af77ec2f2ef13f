#include "screens/ProgramEditor.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

#include "platform/Window.h"
#include "render/Font.h"
#include "sim/ProgramEdits.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

// Slider geometry in row pixels: the track spans 150 pixels for 0..1000.
constexpr int trackLeft = 45;
constexpr int trackLength = 150;
constexpr int zoneWidth = 16;  // the "-" and "+" zones beside the track
// A held "-" or "+" steps again after this long, then at every update.
constexpr double repeatDelay = 0.4;  // seconds

void lineLoop(float x0, float y0, float x1, float y1) {
    glBegin(GL_LINE_LOOP);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
}

void line(float x0, float y0, float x1, float y1) {
    glBegin(GL_LINES);
    glVertex2f(x0, y0);
    glVertex2f(x1, y1);
    glEnd();
}

void text(const Font* font, const char* s, float x, float y) {
    if (font) drawText(*font, s, Vec2f(x, y));
}

// A drag sets the value from the pointer and pins it at the track's ends.
void dragValue(Instruction& instruction, int v) {
    if (v >= 0 && v < trackLength) {
        instruction.value = int(v / double(trackLength) * maxValue);
    } else if (v < 0) {
        instruction.value = 0;
    } else if (v > trackLength) {
        instruction.value = maxValue;
    }
}

// A press sets the value on the track and steps it by one in the side zones.
void pressValue(Instruction& instruction, int v) {
    if (v >= 0 && v < trackLength) {
        instruction.value = int(v / double(trackLength) * maxValue);
    } else if (v > -zoneWidth && v < 0) {
        nudgeValue(instruction, -1);
    } else if (v > trackLength && v < trackLength + zoneWidth) {
        nudgeValue(instruction, +1);
    }
}

}  // namespace

ProgramEditor::ProgramEditor(Ui& ui, World& world) : Widget(ui), world(world) {}

void ProgramEditor::update() { restartTimer(); }

void ProgramEditor::repeatHeld() {
    const bool down = mouseButtonHeld();
    if (!down || !editable || world.running || !world.rocket) heldDelta = 0;
    if (heldDelta == 0 || ui.clock < heldNext) return;
    Program& program = world.rocket->program;
    if (heldRow < 0 || heldRow >= int(program.size())) {
        heldDelta = 0;
        return;
    }
    nudgeValue(program[size_t(heldRow)], heldDelta);
    heldNext = ui.clock + 0.025;  // once per update (0.05 s), whatever the rounding
}

int ProgramEditor::highlightRow(const VirtualMachine& machine) {
    return machine.waitCounter > 0 ? machine.currentLine : machine.pc;
}

int ProgramEditor::visibleRows() const { return std::max(1, int(max.y - min.y) / rowHeight); }

void ProgramEditor::keepInView(int row, int rowCount) {
    if (row < firstRow) firstRow = row;
    if (row >= firstRow + visibleRows()) firstRow = row - visibleRows() + 1;
    firstRow = std::clamp(firstRow, 0, std::max(0, rowCount - visibleRows()));
}

bool ProgramEditor::scroll(int rows) {
    if (world.running || !world.rocket) return false;
    int n = int(world.rocket->program.size());
    firstRow = std::clamp(firstRow + rows * wheelRows, 0, std::max(0, n + 1 - visibleRows()));
    selected = std::clamp(selected, firstRow, std::min(n, firstRow + visibleRows() - 1));
    return true;
}

int ProgramEditor::rowAt(int y, int rowCount) const {
    if (y < 0) return -1;
    float h = max.y - min.y;
    // A row cut off at the bottom cannot be hit: selecting it would scroll
    // the list under the pointer in the middle of a drag.
    int end = std::min(rowCount, firstRow + visibleRows());
    for (int i = firstRow; i < end; ++i) {
        int top = int(h - float(rowHeight * (i - firstRow + 1)));
        if (top <= y && y < int(float(top) + rowHeight)) return i;
    }
    return -1;
}

bool ProgramEditor::handleEvent(const InputEvent& event) {
    if (world.running || !world.rocket) return false;
    Program& program = world.rocket->program;
    int n = int(program.size());
    if (event.kind == InputEvent::MouseMove) {
        // Only a held button drags.
        if (!event.dragging) return false;
        LocalPoint p = localPoint(*this, event);
        int row = rowAt(p.y, n);
        if (row >= 0) {
            selected = row;
            digits.select(selected);
            dragValue(program[row], p.x - trackLeft);
        }
        return true;
    }
    if (event.kind == InputEvent::MousePress) {
        LocalPoint p = localPoint(*this, event);
        int row = rowAt(p.y, n + 1);
        if (row >= 0) {
            selected = row;
            digits.select(selected);
            if (row < n) {
                const int v = p.x - trackLeft;
                pressValue(program[row], v);
                heldRow = row;
                heldDelta = v > -zoneWidth && v < 0 ? -1 : v > trackLength && v < trackLength + zoneWidth ? 1 : 0;
                heldNext = ui.clock + repeatDelay;
            }
        }
        return true;
    }
    return false;
}

void ProgramEditor::draw() {
    if (hidden || !world.rocket) return;
    float w = max.x - min.x;
    float h = max.y - min.y;
    glViewport(int(min.x), int(min.y), int(w), int(h));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glDisable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    lineLoop(1, 1, w - 2, h - 2);
    glEnable(GL_TEXTURE_2D);

    glPushMatrix();
    glTranslatef(0, h, 0);
    int n = int(world.rocket->program.size());
    int highlight = highlightRow(*world.rocket);
    // The row the player edits, or the one executing, is always shown.
    keepInView(std::clamp(editable ? selected : highlight, 0, n), n + 1);
    for (int i = firstRow; i <= n; ++i) {
        // Rows wholly below the widget would be clipped anyway.
        if (h - float(rowHeight * (i - firstRow)) < 0) break;
        if (!editable && i == highlight) {
            glColor3f(0.8f, 0.8f, 1.0f);
        } else if (editable && i == selected) {
            glColor3f(1.0f, 0.8f, 0.8f);
        } else {
            glColor3f(0.5f, 0.5f, 0.5f);
        }
        glTranslatef(0, -float(rowHeight), 0);
        drawRow(i);
        if (editable) drawMarks(i, digits.row(selected, n));
    }
    glPopMatrix();
    glViewport(0, 0, ui.width, ui.height);
}

void ProgramEditor::drawRow(int row) const {
    float w = max.x - min.x;
    const Program& program = world.rocket->program;
    glDisable(GL_TEXTURE_2D);
    lineLoop(5, 0, w - 6, 24);
    if (row >= int(program.size())) {
        glEnable(GL_TEXTURE_2D);
        return;
    }
    const Instruction& instruction = program[row];
    int knob = trackLeft + int(instruction.value * float(trackLength) / maxValue);
    line(29, 1, 29, 23);
    line(trackLeft, 12, trackLeft + trackLength, 12);
    line(float(knob), 20, float(knob), 4);
    glEnable(GL_TEXTURE_2D);

    char letter[2] = {opcodeLetter(instruction.opcode), 0};
    text(ui.font, letter, 11, 4);
    text(ui.smallFont, "-", 33, 4);
    text(ui.smallFont, "+", 199, 4);
    char value[16];
    std::snprintf(value, sizeof value, "% 5d", instruction.value);
    text(ui.smallFont, value, 207, 4);
}

// A green bar with an arrow in the gap above the selected row: a command
// goes in there. A yellow box around the value the digits change.
void ProgramEditor::drawMarks(int row, int digitRow) const {
    const float w = max.x - min.x;
    glDisable(GL_TEXTURE_2D);
    if (row == selected) {
        glColor3f(0.4f, 1.0f, 0.4f);
        line(12, 28, w - 6, 28);
        glBegin(GL_TRIANGLES);
        glVertex2f(1, 24);
        glVertex2f(1, 32);
        glVertex2f(9, 28);
        glEnd();
    }
    if (row == digitRow) {
        glColor3f(1.0f, 0.9f, 0.3f);
        lineLoop(205, 2, w - 8, 22);
    }
    glEnable(GL_TEXTURE_2D);
}

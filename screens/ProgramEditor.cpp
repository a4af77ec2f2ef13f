#include "screens/ProgramEditor.h"

#include <algorithm>
#include <cstdio>

#include "platform/Window.h"
#include "render/FlatShapes.h"
#include "render/Font.h"
#include "render/WindowProjection.h"
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

bool ProgramEditor::overflowing(int rowCount) const {
    return rowCount > int(max.y - min.y) / rowHeight;
}

int ProgramEditor::visibleRows(int rowCount) const {
    const int room = int(max.y - min.y) - (overflowing(rowCount) ? 2 * moreHeight : 0);
    return std::max(1, room / rowHeight);
}

float ProgramEditor::listTop(int rowCount) const {
    return (max.y - min.y) - (overflowing(rowCount) ? float(moreHeight) : 0.0f);
}

void ProgramEditor::keepInView(int row, int rowCount) {
    const int shown = visibleRows(rowCount);
    if (row < firstRow) firstRow = row;
    if (row >= firstRow + shown) firstRow = row - shown + 1;
    firstRow = std::clamp(firstRow, 0, std::max(0, rowCount - shown));
}

bool ProgramEditor::scroll(int rows) {
    if (world.running || !world.rocket) return false;
    const int rowCount = int(world.rocket->program.size()) + 1;
    firstRow = std::clamp(firstRow + rows * wheelRows, 0,
                          std::max(0, rowCount - visibleRows(rowCount)));
    return true;
}

int ProgramEditor::rowAt(int y, int rowCount) const {
    if (y < 0) return -1;
    // Rows are laid out for the whole list, the end row included.
    const int allRows = world.rocket ? int(world.rocket->program.size()) + 1 : rowCount;
    const float top = listTop(allRows);
    // A row cut off at the bottom cannot be hit: selecting it would scroll
    // the list under the pointer in the middle of a drag.
    int end = std::min(rowCount, firstRow + visibleRows(allRows));
    for (int i = firstRow; i < end; ++i) {
        int rowTop = int(top - float(rowHeight * (i - firstRow + 1)));
        if (rowTop <= y && y < int(float(rowTop) + rowHeight)) return i;
    }
    return -1;
}

void ProgramEditor::startAfresh() {
    selected = 0;
    firstRow = 0;
    digits.restart();
    reveal();
}

void ProgramEditor::refuse() { refusedAt = ui.clock; }

bool ProgramEditor::flashing() const {
    return refusedAt >= 0 && ui.clock - refusedAt < flashSeconds;
}

void ProgramEditor::typeDigit(int digit) {
    reveal();
    if (!world.rocket || !digits.type(world.rocket->program, selected, digit)) refuse();
}

void ProgramEditor::eraseDigit() {
    reveal();
    if (!world.rocket || !digits.erase(world.rocket->program, selected)) refuse();
}

void ProgramEditor::nudge(int delta) {
    reveal();
    if (!world.rocket || !digits.nudge(world.rocket->program, selected, delta)) refuse();
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
            digits.restart();
            dragValue(program[row], p.x - trackLeft);
        }
        return true;
    }
    if (event.kind == InputEvent::MousePress) {
        LocalPoint p = localPoint(*this, event);
        int row = rowAt(p.y, n + 1);
        if (row >= 0) {
            selected = row;
            digits.restart();
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
    RegionProjection region(ui.window(), min, w, h);
    setColour(1, 1, 1);
    outlineRect(1, 1, w - 2, h - 2);

    int n = int(world.rocket->program.size());
    int highlight = highlightRow(*world.rocket);
    // The executing row is always shown; the current one when a key moved it.
    if (!editable) {
        keepInView(std::clamp(highlight, 0, n), n + 1);
    } else if (revealPending) {
        keepInView(std::clamp(selected, 0, n), n + 1);
    } else {
        keepInView(firstRow, n + 1);  // a shorter program may leave nothing to scroll
    }
    revealPending = false;
    drawRows(n, highlight);
    drawMore(n + 1);
}

// Each row below the one before, from the top of the list down.
void ProgramEditor::drawRows(int n, int highlight) const {
    MovedOrigin rowOrigin(0, listTop(n + 1));
    const int end = std::min(n + 1, firstRow + visibleRows(n + 1));
    for (int i = firstRow; i < end; ++i) {
        if (!editable && i == highlight) {
            setColour(0.8f, 0.8f, 1.0f);
        } else if (editable && i == selected) {
            setColour(1.0f, 0.8f, 0.8f);
        } else {
            setColour(0.5f, 0.5f, 0.5f);
        }
        rowOrigin.move(0, -float(rowHeight));
        drawRow(i);
        if (editable) drawMarks(i);
    }
}

void ProgramEditor::drawRow(int row) const {
    float w = max.x - min.x;
    const Program& program = world.rocket->program;
    outlineRect(5, 0, w - 6, 24);
    if (row >= int(program.size())) return;
    const Instruction& instruction = program[row];
    int knob = trackLeft + int(instruction.value * float(trackLength) / maxValue);
    drawLine(29, 1, 29, 23);
    drawLine(trackLeft, 12, trackLeft + trackLength, 12);
    drawLine(float(knob), 20, float(knob), 4);

    char letter[2] = {opcodeLetter(instruction.opcode), 0};
    text(ui.font, letter, 11, 4);
    text(ui.smallFont, "-", 33, 4);
    text(ui.smallFont, "+", 199, 4);
    char value[16];
    std::snprintf(value, sizeof value, "% 5d", instruction.value);
    text(ui.smallFont, value, 207, 4);
}

// A yellow box around the current row's value, red while a key is refused
// (around the whole row where there is no value), and a green bar with an
// arrow in the gap below: a command goes in there.
void ProgramEditor::drawMarks(int row) const {
    if (row != selected) return;
    const float w = max.x - min.x;
    const bool endRow = row >= int(world.rocket->program.size());
    if (flashing()) {
        setColour(1.0f, 0.25f, 0.2f);
        outlineRect(endRow ? 3 : 203, 0, w - 6, 24, 2.0f);
    } else if (!endRow) {
        setColour(1.0f, 0.9f, 0.3f);
        outlineRect(205, 2, w - 8, 22);
    }
    setColour(0.4f, 1.0f, 0.4f);
    drawLine(12, -4, w - 6, -4);
    fillTriangle(Vec2f(1, -8), Vec2f(1, 0), Vec2f(9, -4));
}

void ProgramEditor::drawMore(int rowCount) const {
    if (!overflowing(rowCount)) return;
    const float w = max.x - min.x;
    const float h = max.y - min.y;
    const int above = firstRow;
    const int below = std::max(0, rowCount - (firstRow + visibleRows(rowCount)));
    const float bottom = listTop(rowCount) - float(rowHeight * visibleRows(rowCount));
    const struct {
        int count;
        float y;     // the strip's lower edge
        float sign;  // +1: the arrow points up
    } strips[] = {{above, h - moreHeight - 1, 1.0f}, {below, bottom - moreHeight, -1.0f}};
    for (const auto& strip : strips) {
        if (strip.count == 0) continue;
        const float mid = strip.y + moreHeight / 2.0f - 2;
        setColour(0.8f, 0.8f, 0.8f);
        fillTriangle(Vec2f(w / 2 - 60, mid - 4 * strip.sign), Vec2f(w / 2 - 50, mid - 4 * strip.sign),
                     Vec2f(w / 2 - 55, mid + 4 * strip.sign));
        char label[48];
        std::snprintf(label, sizeof label, "%d more %s", strip.count,
                      strip.sign > 0 ? "above" : "below");
        text(ui.smallFont, label, w / 2 - 42, mid - 6);
    }
}

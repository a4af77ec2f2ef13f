#pragma once

#include <string>
#include <vector>

#include "app/Widget.h"

// A screen that is a vertical list of items with a title and a selection
// marker, worked by mouse motion, presses and the arrow, Return and Escape keys.
// Each menu decides what activating an item does; the last item is the way out.
class ListMenu : public Widget {
public:
    using Widget::Widget;

    std::string title;
    std::vector<std::string> items;
    int selected = 0;  // index into items

    // menuUpdate() on itself.
    void update() override;
    bool handleEvent(const InputEvent& event) override;
    // Carries out item `index` (always a valid index).
    virtual void activate(int index) = 0;

protected:
    // Offset that centres the list vertically: 16 * items - 40 pixels.
    int layoutOffset() const;
    // Where item `index` (or the marker on it) is drawn, window pixels.
    Vec2f itemPosition(int index) const;
    // The title centred above the list, in the current colour.
    void drawTitle() const;
    // The marker behind the selected item, in the current colour.
    void drawMarker(const std::string& marker) const;
    // The item labels, in the current colour.
    void drawItems() const;

private:
    void activateSelected();
    void selectItemAt(int mouseY);
};

// The keys of every menu-like list with items 0..last: Up and Down move
// `selected` within the list; Return activates it, and Escape selects
// `escapeItem` first. True when the key activates the selection.
bool menuKeyActivates(Key key, int& selected, int last, int escapeItem);

// The update shared by the menu-like screens: the timer restart, then one
// star-field step.
void menuUpdate(Widget& screen);

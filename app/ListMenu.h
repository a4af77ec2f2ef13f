#pragma once

#include <string>
#include <vector>

#include "app/Widget.h"

struct Font;
struct Texture;

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

// Starts a menu frame: window-pixel projection, black clear, texturing on.
void beginMenuFrame(const Ui& ui);
// Ends it with the star field, drawn behind whatever the frame drew: text
// stays clear of stars. Images keep their see-through parts out of the depth
// buffer (drawImageOverStars) so stars still show around them.
void endMenuFrame(const Ui& ui);
// drawImage() for a menu frame: its fully transparent texels leave the stars
// behind them alone.
void drawImageOverStars(const Texture& texture, Vec2f pos);
// A dark patch the size of `text` drawn at `origin`, so that it stays
// readable over a picture. Leaves the colour black: set the text's after it.
void drawTextBacking(const Font& font, const std::string& text, Vec2f origin);

#pragma once

#include "app/Widget.h"
#include "screens/ViewLayer.h"

struct Texture;

// The space view: the current mission's scene over a tiled star backdrop,
// framed by the world's camera. It takes no input. Created and owned by the
// game screen, which gives it its rectangle on every frame.
class BoardWidget : public Widget {
public:
    void update() override;
    void draw() override;

private:
    void drawStillPart(const Texture& backdrop, float w, float h) const;
    void drawBackdrop(const Texture& backdrop, float w, float h) const;
    void drawScene(float w, float h) const;

    ViewLayer stillPart;  // the backdrop and fixed goals, kept between frames
};

#pragma once

#include <cstdint>
#include <functional>

// What a picture of the view's still part depends on: a change to any of it
// draws the picture afresh.
struct ViewLayerKey {
    int windowWidth = 0, windowHeight = 0;  // pixels
    int x = 0, y = 0;                       // the view's lower-left corner in the window, pixels
    int width = 0, height = 0;              // pixels
    double scale = 0.0;                     // the camera's scale
    double centreX = 0.0, centreY = 0.0;    // the camera's centre, world units
    const void* mission = nullptr;          // the mission whose fixed goals are drawn
    double goalsX = 0.0, goalsY = 0.0;      // where those goals stand, world units
    uint32_t backdrop = 0;                  // the backdrop's texture name

    bool operator==(const ViewLayerKey& other) const;
    bool operator!=(const ViewLayerKey& other) const { return !(*this == other); }
};

// The view's still part (backdrop and fixed goals) kept as a picture in an
// off-screen buffer and copied into the window on each frame while its key
// holds, from the second frame with the same key on: the software renderer
// spends more on drawing that part than on the rest of the frame together. The buffer spans the
// window from its corner to the view's far corner and is drawn with the window's own viewport, so
// the picture matches a painted one to the pixel. The copy carries depth as well as colour, so what
// is drawn over it meets the same depth test. Where the driver lacks off-screen buffers, or refuses
// the copy, the part is painted straight into the window on every frame.
class ViewLayer {
public:
    ViewLayer() = default;
    ViewLayer(const ViewLayer&) = delete;
    ViewLayer& operator=(const ViewLayer&) = delete;

    // Shows the still part in the window's rectangle (key.x, key.y,
    // key.width, key.height), the current viewport. `paint` draws it over a
    // window cleared with the current clear values. Smoothed lines reach a
    // pixel past the viewport, so the copy covers a frame `margin` pixels
    // wide around the view as well, within the window.
    void show(const ViewLayerKey& key, const std::function<void()>& paint);

    static constexpr int margin = 1;  // pixels

private:
    bool prepareBuffers(int width, int height);
    void freeBuffers();
    bool copyToWindow();

    bool refused = false;  // no off-screen buffers, or the copy failed once
    bool valid = false;    // the buffer holds the picture of `key`
    ViewLayerKey key;
    ViewLayerKey previous;  // the key of the frame before
    // Owned; freed when the size changes, never at exit, when the GL context
    // is already gone.
    uint32_t frameBuffer = 0, colourBuffer = 0, depthBuffer = 0;  // GL names
    int bufferWidth = 0, bufferHeight = 0;  // pixels
    uint32_t copied = 0;                    // the GL buffer bits the copy carries
};

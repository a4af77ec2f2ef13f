#pragma once

#include <vector>

#include "render/Camera.h"
#include "render/Vec2f.h"

class FlightPath;
struct Font;

// The flights the space view shows over the scene. Any of them may be
// missing (null or empty).
struct FlightOverlay {
    const FlightPath* ghost = nullptr;    // the last run that ended, dim
    const FlightPath* trail = nullptr;    // the run in progress, behind the ship
    const FlightPath* preview = nullptr;  // what the stopped program would fly, dotted
    const FlightPath* lower = nullptr;    // the preview with the edited value 10 lower, faint
    const FlightPath* higher = nullptr;   // ... and 10 higher
    int selected = -1;   // the instruction whose tick and stretch stand out on the preview
    int executing = -1;  // the instruction whose stretch stands out on the trail
};

// Where a world point falls in a view of w x h pixels looked at by `camera`
// (view pixels from its lower-left corner, as the space view draws).
Vec2f viewPoint(const Camera& camera, float w, float h, Vec2 world);

// The lines and highlighted stretches, in world units under the view's
// camera transform, beneath the bodies; `pixel` is the size of one view pixel
// in world units. Texturing is left on, as the other scene drawings leave it.
void drawFlightOverlay(const FlightOverlay& overlay, double pixel);
// The ticks and end markers, the same way but over everything (a flight that
// fails on a planet ends on its surface).
void drawFlightMarks(const FlightOverlay& overlay, double pixel);

// The texts beside the paths' ends (a won preview's score, the faint paths'
// "-10" and "+10"), in view pixels: after the camera transform is undone.
void drawFlightLabels(const FlightOverlay& overlay, const Camera& camera, float w, float h,
                      const Font* font);

// An arrow at the view's edge (w x h pixels, looked at by `camera`) wherever
// the preview leaves it, pointing where it went; at most a few.
void drawExitArrows(const FlightOverlay& overlay, const Camera& camera, float w, float h);

// A box in view pixels.
struct LabelBox {
    float x0, y0, x1, y1;
    bool overlaps(const LabelBox& other) const;
};
// Where to put the lower-left corner of a text of `size` beside the point
// `at`: the first place around it, to the right first or to the left first,
// then above and below, then farther out, whose box overlaps none of `taken`
// (the nearest place on the chosen side if all do).
Vec2f placeLabel(Vec2f at, Vec2f size, bool rightFirst, const std::vector<LabelBox>& taken);

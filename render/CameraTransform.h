#pragma once

#include "render/Camera.h"

// While it lives, draws in world units as `camera` frames them in a view of
// `width` x `height` pixels: one unit is min(width, height) * scale pixels
// and the camera's centre lies in the middle. A camera without a usable
// scale yet moves nothing, and applied() says so: draw nothing through it.
class CameraTransform {
public:
    CameraTransform(const Camera& camera, float width, float height);
    ~CameraTransform();
    CameraTransform(const CameraTransform&) = delete;
    CameraTransform& operator=(const CameraTransform&) = delete;

    bool applied() const { return pushed; }

private:
    bool pushed = false;
};

#include "render/CameraTransform.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

CameraTransform::CameraTransform(const Camera& camera, float w, float h) {
    double s = double(std::min(w, h)) * camera.scale;
    if (!(s > 0.0) || !std::isfinite(s)) return;
    glPushMatrix();
    glScaled(s, s, s);
    glTranslated(w / 2 / s - camera.center.x, h / 2 / s - camera.center.y, 0);
    pushed = true;
}

CameraTransform::~CameraTransform() {
    if (pushed) glPopMatrix();
}

#pragma once

#include "tools/gen/Image.h"
#include "tools/gen/Math.h"

// Paints an equirectangular skin: colour(p) for the unit-sphere point of each
// pixel (see spherePoint), darkened towards the edge of the disc the game's
// camera sees, since the meshes are drawn without lighting and a body only
// ever turns about the view axis.
template <typename Colour>
Image paintSphere(int width, int height, double edgeLight, Colour colour) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Vec3 p = spherePoint((x + 0.5) / width, (y + 0.5) / height);
            Rgba c = colour(p);
            double facing = std::max(0.0, p.z);
            c = scaled(c, mix(edgeLight, 1.0, std::sqrt(facing)));
            c.a = 1.0f;
            image.set(x, y, c);
        }
    }
    return image;
}

#include "app/Options.h"

#include <iostream>

const Resolution resolutions[resolutionCount] = {
    {1024, 768}, {1152, 864},  {1280, 720},  {1280, 800},  {1280, 1024},
    {1440, 900}, {1680, 1050}, {1920, 1080}, {1920, 1200},
};

void StoredOptions::load() { readOptionsFile(file, settings, std::cout); }

void StoredOptions::save() const { writeOptionsFile(file, settings, std::cout); }

Resolution nextResolution(int32_t width, int32_t height) {
    for (int i = 0; i < resolutionCount; ++i) {
        if (resolutions[i].width == width && resolutions[i].height == height)
            return resolutions[(i + 1) % resolutionCount];
    }
    return resolutions[0];
}

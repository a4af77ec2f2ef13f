#pragma once

#include <string>

#include "core/PngImage.h"

// An image file's pixels as bytes R, G, B, A, rows from the top, read the
// same way in every build (the browser's window library has no exact reader)
// by the game's one decoder. `error` says why a file could not be read:
// "cannot be opened", "is not a file", "cannot be read: ..." or the decoder's.
struct ImageFile : DecodedImage {
    explicit ImageFile(const std::string& path);
};

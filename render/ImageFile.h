#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An image file's pixels as bytes R, G, B, A, rows from the top, read the
// same way in every build (the browser's window library has no exact reader).
struct ImageFile {
    int width = 0, height = 0;  // pixels; 0 when the file could not be read
    std::vector<uint8_t> rgba;
    std::string error;  // why it could not be read

    explicit ImageFile(const std::string& path);
    bool ok() const { return width > 0; }
};

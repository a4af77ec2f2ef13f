#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Pixels per side beyond which no GL takes a texture.
constexpr int largestTextureSide = 8192;

// An image's pixels as bytes R, G, B, A, rows from the top.
struct DecodedImage {
    int width = 0, height = 0;  // pixels; 0 when the bytes did not decode
    std::vector<uint8_t> rgba;
    // Why they did not: "is too large for a texture" or "does not decode: ...".
    std::string error;
    bool ok() const { return width > 0; }
};

// The game's one image decoder (stb_image, compiled into this file alone,
// from memory: it reads no file itself). It takes PNG, what the game ships,
// and the other formats stb_image knows, up to largestTextureSide a side.
DecodedImage decodeImage(const std::string& bytes);

// What keeps a file of these `bytes` from being a texture, or "" when it is a
// PNG image that decodes to its last row and fits a texture.
std::string pngProblem(const std::string& bytes);

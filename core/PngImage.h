#pragma once

#include <string>

// Pixels per side beyond which no GL takes a texture.
constexpr int largestTextureSide = 8192;

// What keeps a file of these `bytes` from being a texture, or "" when it is a
// PNG image that decodes to its last row and fits a texture. Decoded with
// stb_image, so that the checks need no window library.
std::string pngProblem(const std::string& bytes);

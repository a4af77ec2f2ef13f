#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/gen/Image.h"

// Encodes an 8-bit RGBA PNG with no optional chunks and a fixed compression
// mission, so the same image always gives the same bytes.
std::vector<uint8_t> encodePng(const Image& image);

// Writes bytes to a file; prints an "ERROR: " line and returns false on failure.
bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes);

#pragma once

// The data generator's output for the tests: made once per test run in a
// scratch folder, read back with the game's image library and a plain OBJ
// reader.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The folder the generator wrote, made on first use and removed at exit.
const std::filesystem::path& generated();

std::string readBytes(const std::filesystem::path& path);

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* at(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
};

// A generated PNG read with SDL_image; an empty picture (and a test
// failure) if it cannot be read.
Picture load(const std::string& name);

bool isPowerOfTwo(int n);

// Ink bounds of one font cell, in cell pixels; empty() when it has no ink.
struct Ink {
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
    bool empty() const { return right < 0; }
};
Ink inkOf(const Picture& font, int code);

struct Obj {
    std::vector<std::vector<double>> v, vt, vn;
    std::vector<std::vector<int>> corners;  // v, vt, vn numbers (1-based) per corner
    int faces = 0;
    int triangles = 0;                    // after splitting each face into a fan
    std::vector<std::vector<int>> quads;  // position numbers of four-corner faces
    std::vector<std::string> otherLines;  // neither v, vt, vn, f nor a comment
};
// A generated OBJ file; faces other than triangles and quads fail the test.
Obj parseObj(const std::string& name);

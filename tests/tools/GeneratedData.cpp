#include "tests/tools/GeneratedData.h"

#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

// Made once for the whole suite. The path is never destroyed, so the exit
// handler that removes the folder can still use it.
const fs::path& generated() {
    static const fs::path* folder = [] {
        auto* dir = new fs::path(fs::temp_directory_path() /
                                 ("astrello-gen-test-" + std::to_string(getpid())));
        fs::remove_all(*dir);
        std::string command = std::string("\"") + ASTRELLO_GEN + "\" \"" + dir->string() + "\"";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(generated(), ignored);
        });
        return dir;
    }();
    return *folder;
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture load(const std::string& name) {
    Picture picture;
    SDL_Surface* surface = IMG_Load((generated() / name).string().c_str());
    if (!surface) {
        ADD_FAILURE() << "cannot load " << name;
        return picture;
    }
    picture.width = surface->w;
    picture.height = surface->h;
    int bytes = surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            const uint8_t* p =
                static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch + x * bytes;
            Uint32 value = 0;
            std::copy(p, p + bytes, reinterpret_cast<uint8_t*>(&value));
            uint8_t c[4];
            SDL_GetRGBA(value, surface->format, &c[0], &c[1], &c[2], &c[3]);
            picture.rgba.insert(picture.rgba.end(), c, c + 4);
        }
    }
    SDL_FreeSurface(surface);
    return picture;
}

bool isPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

Ink inkOf(const Picture& font, int code) {
    int cell = font.width / 16;
    Ink ink;
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            if (font.at((code % 16) * cell + x, (code / 16) * cell + y)[3] == 0) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

Obj parseObj(const std::string& name) {
    Obj obj;
    std::istringstream in(readBytes(generated() / name));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string tag;
        words >> tag;
        std::vector<double> numbers;
        if (tag == "v" || tag == "vt" || tag == "vn") {
            for (double d; words >> d;) numbers.push_back(d);
            (tag == "v" ? obj.v : tag == "vt" ? obj.vt : obj.vn).push_back(numbers);
        } else if (tag == "f") {
            ++obj.faces;
            int count = 0;
            std::vector<int> positions;
            for (std::string corner; words >> corner; ++count) {
                std::vector<int> parts;
                std::istringstream split(corner);
                for (std::string part; std::getline(split, part, '/');)
                    parts.push_back(std::stoi(part));
                obj.corners.push_back(parts);
                positions.push_back(parts[0]);
            }
            EXPECT_TRUE(count == 3 || count == 4) << name << ": " << line;
            if (count == 4) obj.quads.push_back(positions);
            obj.triangles += count - 2;
        } else if (!tag.empty() && tag[0] != '#') {
            obj.otherLines.push_back(line);
        }
    }
    return obj;
}

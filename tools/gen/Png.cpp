#include "tools/gen/Png.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void putChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    put32(out, uint32_t(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0L, out.data() + start, uInt(out.size() - start));
    put32(out, uint32_t(crc));
}

int paeth(int a, int b, int c) {
    int p = a + b - c;
    int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Filters one row with the given PNG filter type (0..4) into out.
void filterRow(int type, const uint8_t* row, const uint8_t* prev, size_t n, uint8_t* out) {
    for (size_t i = 0; i < n; ++i) {
        int a = i >= 4 ? row[i - 4] : 0;
        int b = prev ? prev[i] : 0;
        int c = (i >= 4 && prev) ? prev[i - 4] : 0;
        int predicted = 0;
        switch (type) {
            case 1:
                predicted = a;
                break;
            case 2:
                predicted = b;
                break;
            case 3:
                predicted = (a + b) / 2;
                break;
            case 4:
                predicted = paeth(a, b, c);
                break;
            default:
                break;
        }
        out[i] = uint8_t(row[i] - predicted);
    }
}

// Picks, per row, the filter whose output has the smallest sum of absolute
// signed bytes: the usual heuristic, deterministic and good enough.
std::vector<uint8_t> filteredRows(const Image& image) {
    size_t n = size_t(image.width) * 4;
    std::vector<uint8_t> out;
    out.reserve((n + 1) * image.height);
    std::vector<uint8_t> candidate(n), best(n);
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* row = image.at(0, y);
        const uint8_t* prev = y > 0 ? image.at(0, y - 1) : nullptr;
        long bestCost = -1;
        int bestType = 0;
        for (int type = 0; type <= 4; ++type) {
            filterRow(type, row, prev, n, candidate.data());
            long cost = 0;
            for (uint8_t v : candidate) cost += v < 128 ? v : 256 - v;
            if (bestCost < 0 || cost < bestCost) {
                bestCost = cost;
                bestType = type;
                best.swap(candidate);
            }
        }
        out.push_back(uint8_t(bestType));
        out.insert(out.end(), best.begin(), best.end());
    }
    return out;
}

}  // namespace

std::vector<uint8_t> encodePng(const Image& image) {
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    put32(header, uint32_t(image.width));
    put32(header, uint32_t(image.height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no interlace
    putChunk(out, "IHDR", header);

    std::vector<uint8_t> raw = filteredRows(image);
    uLongf size = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(size);
    if (compress2(packed.data(), &size, raw.data(), uLong(raw.size()), 9) != Z_OK) {
        std::printf("ERROR: compression failed\n");
        std::exit(1);
    }
    packed.resize(size);
    putChunk(out, "IDAT", packed);
    putChunk(out, "IEND", {});
    return out;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::printf("ERROR: cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok) std::printf("ERROR: cannot write %s\n", path.c_str());
    return ok;
}

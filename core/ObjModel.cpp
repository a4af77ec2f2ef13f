#include "core/ObjModel.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/Decimal.h"

namespace {

// An "f" line may hold at most this many characters after the "f". A longer
// one is not a face this reader accepts: it is dropped whole and reading
// goes on with the next line.
const size_t maxFaceLine = 1023;

// Models are re-read at every reset of the world: the word scan is a table look-up.
struct SpaceTable {
    bool space[256] = {};
    SpaceTable() {
        for (unsigned char c : std::string_view(" \t\n\v\f\r")) space[c] = true;
    }
};
const SpaceTable spaces;

bool isSpace(char c) { return spaces.space[(unsigned char)c]; }

// Whitespace-separated words over the file's text.
struct Cursor {
    const char* p;
    const char* end;

    bool nextWord(const char*& begin, const char*& stop) {
        while (p != end && isSpace(*p)) ++p;
        if (p == end) return false;
        begin = p;
        while (p != end && !isSpace(*p)) ++p;
        stop = p;
        return true;
    }

    // The next word read as a number as far as it is one; 0 if it is none.
    float nextFloat() {
        const char* begin;
        const char* stop;
        if (!nextWord(begin, stop)) return 0.0f;
        return parseFloat(begin, stop);
    }

    // Everything up to the end of the line, which is consumed too.
    void restOfLine(const char*& begin, const char*& stop) {
        begin = p;
        const void* lineFeed = memchr(p, '\n', size_t(end - p));
        p = lineFeed ? static_cast<const char*>(lineFeed) : end;
        stop = p;
        if (p != end) ++p;
    }
};

// Calls fn(begin, end) for each non-empty run of characters between
// delimiters: the word splitting of splitText, without building strings,
// since every world reset re-reads the models.
template <class IsDelimiter, class Fn>
void forEachWord(const char* p, const char* end, IsDelimiter isDelimiter, Fn fn) {
    while (p != end) {
        while (p != end && isDelimiter(*p)) ++p;
        const char* start = p;
        while (p != end && !isDelimiter(*p)) ++p;
        if (p != start) fn(start, p);
    }
}

bool isFaceDelimiter(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isSlash(char c) { return c == '/'; }

// A file number made 0-based, kept within 32 bits.
int zeroBased(const char* begin, const char* end) {
    int32_t value = parseDecimal(begin, end);
    return value == INT32_MIN ? INT32_MIN : value - 1;
}

// One corner "7/5/3": position, then texture coordinate, then normal, each
// 1-based in the file; empty parts are dropped, so "7//3" is position 7 and
// texture coordinate 3. An absent number becomes -1, which, like any index
// outside its list, is never looked up (see Mesh::draw).
void readCorner(const char* begin, const char* end, int corner[3]) {
    corner[0] = corner[1] = corner[2] = -1;
    int part = 0;
    forEachWord(begin, end, isSlash, [&](const char* b, const char* e) {
        if (part < 3) corner[part++] = zeroBased(b, e);
    });
}

void setCorner(ObjModel::Triangle& t, int k, const int corner[3]) {
    t.position[k] = corner[0];
    t.texCoord[k] = corner[1];
    t.normal[k] = corner[2];
}

// Appends the fan (c0, c1, c2), (c0, c2, c3), ... of one face line.
void readFace(const char* begin, const char* end, std::vector<ObjModel::Triangle>& faces) {
    int first[3] = {-1, -1, -1}, previous[3] = {-1, -1, -1}, corner[3];
    int count = 0;
    forEachWord(begin, end, isFaceDelimiter, [&](const char* b, const char* e) {
        readCorner(b, e, corner);
        if (count == 0) std::copy(corner, corner + 3, first);
        if (count >= 2) {
            ObjModel::Triangle t;
            setCorner(t, 0, first);
            setCorner(t, 1, previous);
            setCorner(t, 2, corner);
            faces.push_back(t);
        }
        std::copy(corner, corner + 3, previous);
        ++count;
    });
}

template <class List>
bool inList(const List& list, int index) {
    return index >= 0 && size_t(index) < list.size();
}

// Indices of one kind that fall outside their list, over all triangle corners.
template <class List, class Field>
int strayIndices(const ObjModel& model, const List& list, Field field) {
    int stray = 0;
    for (const ObjModel::Triangle& triangle : model.faces) {
        for (int k = 0; k < 3; ++k) stray += inList(list, (triangle.*field)[k]) ? 0 : 1;
    }
    return stray;
}

}  // namespace

void ObjModel::parse(std::string_view text) {
    Cursor cursor{text.data(), text.data() + text.size()};
    const char* word;
    const char* stop;
    while (cursor.nextWord(word, stop)) {
        std::string_view token(word, size_t(stop - word));
        if (token == "v") {
            float x = cursor.nextFloat(), y = cursor.nextFloat(), z = cursor.nextFloat();
            positions.push_back({x, y, z});
        } else if (token == "vn") {
            float x = cursor.nextFloat(), y = cursor.nextFloat(), z = cursor.nextFloat();
            normals.push_back({x, y, z});
        } else if (token == "vt") {
            float u = cursor.nextFloat(), v = cursor.nextFloat();
            texCoords.push_back({u, v});
        } else if (token == "f") {
            const char* begin;
            const char* end;
            cursor.restOfLine(begin, end);
            if (size_t(end - begin) <= maxFaceLine) readFace(begin, end, faces);
        }
    }
}

std::string objModelProblem(const ObjModel& model, bool textured) {
    if (model.positions.empty() || model.faces.empty()) return "holds no triangles";
    if (int stray = strayIndices(model, model.positions, &ObjModel::Triangle::position))
        return std::to_string(stray) + " corners with a position index outside the list";
    if (textured && model.texCoords.empty()) return "has no texture coordinates for its skin";
    if (textured) {
        if (int stray = strayIndices(model, model.texCoords, &ObjModel::Triangle::texCoord))
            return std::to_string(stray) + " corners with a texture index outside the list";
    }
    if (!model.normals.empty()) {
        if (int stray = strayIndices(model, model.normals, &ObjModel::Triangle::normal))
            return std::to_string(stray) + " corners with a normal index outside the list";
    }
    return "";
}

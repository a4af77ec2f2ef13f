#include "render/Mesh.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "core/Decimal.h"
#include "render/DataFile.h"

namespace {

// An "f" line may hold at most this many characters after the "f". A longer
// one is not a face this reader accepts: it is dropped whole and reading
// goes on with the next line.
const size_t maxFaceLine = 1023;

bool readFile(const std::string& fileName, std::string& contents) {
    FILE* file = fopen(fileName.c_str(), "rb");
    if (!file) return false;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, n);
    fclose(file);
    return true;
}

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

void setCorner(Mesh::Triangle& t, int k, const int corner[3]) {
    t.position[k] = corner[0];
    t.texCoord[k] = corner[1];
    t.normal[k] = corner[2];
}

// Appends the fan (c0, c1, c2), (c0, c2, c3), ... of one face line.
void readFace(const char* begin, const char* end, std::vector<Mesh::Triangle>& faces) {
    int first[3] = {-1, -1, -1}, previous[3] = {-1, -1, -1}, corner[3];
    int count = 0;
    forEachWord(begin, end, isFaceDelimiter, [&](const char* b, const char* e) {
        readCorner(b, e, corner);
        if (count == 0) std::copy(corner, corner + 3, first);
        if (count >= 2) {
            Mesh::Triangle t;
            setCorner(t, 0, first);
            setCorner(t, 1, previous);
            setCorner(t, 2, corner);
            faces.push_back(t);
        }
        std::copy(corner, corner + 3, previous);
        ++count;
    });
}

}  // namespace

void Mesh::load(const std::string& fileName) {
    std::string text;
    std::string path = dataFile(fileName);
    if (!readFile(path, text)) {
        printf("failed to load %s\n", path.c_str());
        return;
    }
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

namespace {

const float defaultNormal[3] = {0.0f, 0.0f, 1.0f};
const float defaultTexCoord[2] = {0.0f, 0.0f};

template <class List>
bool inRange(const List& list, int index) {
    return index >= 0 && size_t(index) < list.size();
}

// The attribute at `index`, or `fallback` for an index outside the list.
template <class List>
const float* attribute(const List& list, int index, const float* fallback) {
    return inRange(list, index) ? list[size_t(index)].data() : fallback;
}

}  // namespace

void Mesh::draw() const {
    const bool withNormals = !normals.empty() && !texCoords.empty();
    const bool withTexCoords = !texCoords.empty();
    glBegin(GL_TRIANGLES);
    for (const Triangle& t : faces) {
        // A corner without a position cannot be drawn; dropping the whole
        // triangle keeps the following ones aligned.
        if (!inRange(positions, t.position[0]) || !inRange(positions, t.position[1]) ||
            !inRange(positions, t.position[2]))
            continue;
        for (int k = 0; k < 3; ++k) {
            if (withNormals) glNormal3fv(attribute(normals, t.normal[k], defaultNormal));
            if (withTexCoords) glTexCoord2fv(attribute(texCoords, t.texCoord[k], defaultTexCoord));
            glVertex3fv(positions[size_t(t.position[k])].data());
        }
    }
    glEnd();
}

void initMeshRendering() {
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
}

#pragma once

#include <map>
#include <string>

#include "render/Mesh.h"

// Parsed meshes kept between the resets of one optimizer run, so that its
// hundred resets do not parse the same model files again. A file is served
// from here only while its size, modification time and identity are those
// it had when it was read; otherwise it is read afresh.
class MeshCache {
public:
    // A new mesh (owned by the caller) holding what Mesh::load(fileName) reads.
    Mesh* load(const std::string& fileName);

private:
    struct Stamp {
        long long size = 0, seconds = 0, nanoseconds = 0, inode = 0, device = 0;
        bool operator==(const Stamp& o) const;
    };
    static bool stampOf(const std::string& fileName, Stamp& stamp);

    struct Entry {
        Stamp stamp;
        Mesh mesh;
    };
    std::map<std::string, Entry> entries;
};

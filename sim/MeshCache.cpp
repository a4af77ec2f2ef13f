#include "sim/MeshCache.h"

#include <sys/stat.h>

bool MeshCache::Stamp::operator==(const Stamp& o) const {
    return size == o.size && seconds == o.seconds && nanoseconds == o.nanoseconds &&
           inode == o.inode && device == o.device;
}

bool MeshCache::stampOf(const std::string& fileName, Stamp& stamp) {
    struct stat info;
    if (stat(fileName.c_str(), &info) != 0) return false;
    stamp = Stamp{(long long)info.st_size, (long long)info.st_mtim.tv_sec,
                  (long long)info.st_mtim.tv_nsec, (long long)info.st_ino, (long long)info.st_dev};
    return true;
}

Mesh* MeshCache::load(const std::string& fileName) {
    Stamp before;
    const bool known = stampOf(fileName, before);
    auto found = entries.find(fileName);
    if (known && found != entries.end() && found->second.stamp == before)
        return new Mesh(found->second.mesh);
    Mesh* mesh = new Mesh;
    mesh->load(fileName);
    // Kept only if the file did not change while it was read.
    Stamp after;
    if (known && stampOf(fileName, after) && after == before)
        entries[fileName] = Entry{after, *mesh};
    else
        entries.erase(fileName);
    return mesh;
}

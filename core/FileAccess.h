#pragma once

#include <cstddef>
#include <string>

// Reading and writing the player's own files: only regular files are read,
// never more than a cap; a file is replaced whole or not at all, and never
// written through a link someone else planted.

enum class ReadStatus {
    ok,       // `bytes` holds the whole file
    missing,  // no such file (or a link to none)
    failed,   // there but unreadable: `why` says why (no permission, a directory, a FIFO, too large)
};

// Reads the regular file at `path` whole, at most `limit` bytes. Never waits
// on a FIFO or a device and never reads one.
ReadStatus readRegularFile(const std::string& path, size_t limit, std::string& bytes,
                           std::string& why);

// The same, said as a problem with a file a mission names: "" when read,
// else "cannot be opened", "is not a file" or "cannot be read: ...".
std::string readNamedFile(const std::string& path, size_t limit, std::string& bytes);

// Replaces the file at `path` with `bytes`: they go to a new file, created in
// the same folder under a name no one else can have planted a link at,
// reach the disk, and are renamed over `path`. The file holds the old bytes
// or the new ones, never a part, and is never left shorter or missing.
// False with the reason in `why`.
bool replaceFile(const std::string& path, const std::string& bytes, std::string& why);

// Keeps a copy of `bytes` (a damaged file's) at `path`, or at the first of
// "PATH.2", "PATH.3", ... that is free or already holds these bytes, so that
// no earlier copy is overwritten. The name used, or "" when none could be written.
std::string keepCopyAside(const std::string& path, const std::string& bytes);

// An advisory lock on the file `path` (created if need be, never through a
// link), held while the object lives, so that two copies of the game that
// share a folder take turns to read, merge and replace a file.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd >= 0; }
    const std::string& why() const { return reason; }  // when not held

private:
    int fd = -1;
    std::string reason;
};

#include "core/FileAccess.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

std::string errorText() { return std::strerror(errno); }

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

ReadStatus readRegularFile(const std::string& path, size_t limit, std::string& bytes,
                           std::string& why) {
    bytes.clear();
    // Non-blocking, so that opening a FIFO returns at once; fstat then refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = errorText();
        return errno == ENOENT ? ReadStatus::missing : ReadStatus::failed;
    }
    struct stat info;
    ReadStatus status = ReadStatus::ok;
    if (::fstat(fd, &info) != 0) {
        why = errorText();
        status = ReadStatus::failed;
    } else if (!S_ISREG(info.st_mode)) {
        why = S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a regular file";
        status = ReadStatus::failed;
    } else if (uint64_t(info.st_size) > limit) {
        why = "it is larger than " + std::to_string(limit) + " bytes";
        status = ReadStatus::failed;
    }
    std::vector<char> buffer(64 * 1024);
    while (status == ReadStatus::ok) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            why = errorText();
            status = ReadStatus::failed;
        } else if (n == 0) {
            break;
        } else if (bytes.size() + size_t(n) > limit) {  // grew since fstat
            why = "it is larger than " + std::to_string(limit) + " bytes";
            status = ReadStatus::failed;
        } else {
            bytes.append(buffer.data(), size_t(n));
        }
    }
    ::close(fd);
    if (status != ReadStatus::ok) bytes.clear();
    return status;
}

std::string readNamedFile(const std::string& path, size_t limit, std::string& bytes) {
    std::string why;
    switch (readRegularFile(path, limit, bytes, why)) {
        case ReadStatus::ok:
            return "";
        case ReadStatus::missing:
            return "cannot be opened";
        case ReadStatus::failed:
            break;
    }
    struct stat info;
    const bool regular = ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    return regular ? "cannot be read: " + why : "is not a file";
}

bool replaceFile(const std::string& path, const std::string& bytes, std::string& why) {
    std::string temp = path + ".tmp.XXXXXX";
    // mkstemp creates the file new (O_EXCL): a link planted at any name is left alone.
    const int fd = ::mkstemp(&temp[0]);
    if (fd < 0) {
        why = path + ": " + errorText();
        return false;
    }
    bool ok = ::fchmod(fd, 0644) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok) why = path + ": " + errorText();
    if (::close(fd) != 0 && ok) {
        why = path + ": " + errorText();
        ok = false;
    }
    // The new bytes reach the disk before the rename replaces the old file.
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        why = path + ": " + errorText();
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folderOf(path));
    return true;
}

std::string keepCopyAside(const std::string& path, const std::string& bytes) {
    const int most = 99;
    for (int k = 1; k <= most; ++k) {
        const std::string name = k == 1 ? path : path + "." + std::to_string(k);
        std::string existing, why;
        const ReadStatus read = readRegularFile(name, bytes.size(), existing, why);
        if (read == ReadStatus::ok && existing == bytes) return name;
        if (read != ReadStatus::missing) continue;
        return replaceFile(name, bytes, why) ? name : "";
    }
    return "";
}

FileLock::FileLock(const std::string& path) {
    fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno == ELOOP && ::unlink(path.c_str()) == 0)  // a planted link: ours is a file
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        reason = path + ": " + errorText();
        return;
    }
    // Another copy holds it only while it saves; one that is stopped must
    // not stop this one for ever.
    for (int tries = 0; tries < 100; ++tries) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return;
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    reason = path + ": " + (errno == EWOULDBLOCK ? std::string("held by another copy of the game")
                                                 : errorText());
    ::close(fd);
    fd = -1;
}

FileLock::~FileLock() {
    if (fd >= 0) ::close(fd);  // closing releases the lock
}

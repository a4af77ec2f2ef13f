#include "screens/ScoreFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "app/Application.h"
#include "missions/Level.h"
#include "sim/GameFolders.h"

namespace {

const char* const saveFileName = "save.dat";
const char* const tempFileName = "save.dat.tmp";

void appendInt32(std::string& out, int32_t value) {
    uint32_t bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(char((bits >> shift) & 0xFF));
}

// The float's bits, so that loading gives back exactly the value saved.
void appendFloat32(std::string& out, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    appendInt32(out, static_cast<int32_t>(bits));
}

void appendBytes(std::string& out, const std::string& bytes) {
    appendInt32(out, static_cast<int32_t>(bytes.size()));
    out += bytes;
}

bool readInt32(std::FILE* file, int32_t& value) {
    unsigned char bytes[4];
    if (std::fread(bytes, 1, 4, file) != 4) return false;
    uint32_t bits = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                    uint32_t(bytes[3]) << 24;
    value = static_cast<int32_t>(bits);
    return true;
}

bool readFloat32(std::FILE* file, float& value) {
    int32_t bits;
    if (!readInt32(file, bits)) return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

// A length field and that many bytes; the length is checked before anything
// is allocated, so a damaged length never reserves more than `limit`.
bool readText(std::FILE* file, int32_t limit, std::string& text) {
    int32_t length;
    if (!readInt32(file, length) || length < 0 || length > limit) return false;
    text.assign(size_t(length), '\0');
    return length == 0 || std::fread(&text[0], 1, size_t(length), file) == size_t(length);
}

struct Record {
    std::string name;
    float bestScore = 0.0f;
    std::string program;
};

// Scores are sums of non-negative costs, so anything else was never written
// by the game (and a NaN best could never be beaten).
bool plausibleScore(float value) { return std::isfinite(value) && value >= 0.0f; }

bool readRecord(std::FILE* file, Record& record) {
    return readText(file, maxNameLength, record.name) && readFloat32(file, record.bestScore) &&
           plausibleScore(record.bestScore) && readText(file, maxProgramLength, record.program);
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

void syncSaveFolder() {
    const char* folder = gameFolders.save.empty() ? "." : gameFolders.save.c_str();
    int fd = ::open(folder, O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string scoreFileBytes(const LevelRegistry& levels) {
    std::string out;
    appendInt32(out, static_cast<int32_t>(levels.size()));
    for (const auto& entry : levels) {
        const Level& level = *entry.second;
        appendBytes(out, entry.first);
        appendFloat32(out, level.bestScore);
        appendBytes(out, level.savedProgram);
    }
    return out;
}

std::string readScoreRecords(std::FILE* file, LevelRegistry& levels) {
    int32_t count;
    if (!readInt32(file, count)) return "no record count";
    if (count < 0) return "negative record count " + std::to_string(count);
    for (int32_t i = 0; i < count; ++i) {
        Record record;
        if (!readRecord(file, record)) {
            return "record " + std::to_string(i + 1) + " of " + std::to_string(count) +
                   " is cut short or invalid";
        }
        auto found = levels.find(record.name);
        if (found == levels.end()) continue;  // a mission that no longer exists
        found->second->bestScore = record.bestScore;
        found->second->savedProgram = record.program;
    }
    return "";
}

void saveScores() {
    std::printf("Saving game.\n");
    const std::string saved = saveFile(saveFileName), temp = saveFile(tempFileName);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        std::printf("ERROR: Failed to open file for saving game.\n");
        return;
    }
    // The new bytes reach the disk before the rename replaces the old file.
    bool ok = writeAll(fd, scoreFileBytes(app.levels)) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), saved.c_str()) == 0;
    if (!ok) {
        std::remove(temp.c_str());
        std::printf("ERROR: Failed to write file for saving game. The old scores are kept.\n");
        return;
    }
    syncSaveFolder();
}

void loadScores() {
    std::printf("Loading game.\n");
    std::FILE* file = std::fopen(saveFile(saveFileName).c_str(), "rb");
    if (!file) {
        std::printf("ERROR: Failed to open file for loading game. No scores loaded.\n");
        return;
    }
    std::string problem = readScoreRecords(file, app.levels);
    std::fclose(file);
    if (!problem.empty()) {
        std::printf("ERROR: Damaged save.dat, %s. Scores from there on were not loaded.\n",
                    problem.c_str());
    }
}

#include "missions/ScoreFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <ostream>

#include "sim/ProgramText.h"

namespace {

constexpr int damagedCopiesMost = 99;

// Names in the working folder stay bare, as the messages show them.
std::string inFolder(const std::string& folder, const std::string& name) {
    return folder.empty() || folder == "." ? name : folder + "/" + name;
}

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

struct FileRecord {
    std::string name;
    float bestScore = 0.0f;
    std::string program;
};

// Scores are sums of non-negative costs, so anything else was never written
// by the game (and a NaN best could never be beaten).
bool plausibleScore(float value) { return std::isfinite(value) && value >= 0.0f; }

// False when the record's framing is broken; a framed record may still hold
// a best that cannot be kept.
bool readRecord(std::FILE* file, FileRecord& record) {
    return readText(file, maxNameLength, record.name) && readFloat32(file, record.bestScore) &&
           readText(file, maxProgramLength, record.program);
}

bool readWholeFile(const std::string& name, std::string& bytes) {
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return false;
    bytes.clear();
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
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

void syncFolder(const std::string& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

enum class Written { ok, notOpened, notWritten };

// Writes `bytes` to `name` + ".tmp" and renames it over `name`: the file
// holds the old bytes or the new ones, never a part.
Written writeWholeFile(const std::string& folder, const std::string& name,
                       const std::string& bytes) {
    const std::string temp = name + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return Written::notOpened;
    // The new bytes reach the disk before the rename replaces the old file.
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), name.c_str()) == 0;
    if (!ok) {
        std::remove(temp.c_str());
        return Written::notWritten;
    }
    syncFolder(folder);
    return Written::ok;
}

}  // namespace

ScoreFile::ScoreFile(const std::string& folder_, bool known_)
    : folder(folder_),
      known(known_),
      saveFileName(inFolder(folder_, "save.dat")),
      backupFileName(saveFileName + ".bak"),
      damagedFileName(saveFileName + ".damaged") {}

// Copies the damaged file to the first damaged-copy name that is free or
// already holds these bytes, so an earlier copy is never overwritten.
void ScoreFile::keepDamagedCopy(std::ostream& log) {
    if (damaged.bytes.empty()) readWholeFile(saveFileName, damaged.bytes);
    for (int k = 1; k <= damagedCopiesMost && !damaged.copied; ++k) {
        std::string name = k == 1 ? damagedFileName : damagedFileName + "." + std::to_string(k);
        std::string existing;
        bool exists = readWholeFile(name, existing);
        if (exists && existing != damaged.bytes) continue;
        if (!exists && writeWholeFile(folder, name, damaged.bytes) != Written::ok) break;
        damaged.copied = true;
        damaged.bytes.clear();  // on disk now; a large file need not stay in memory
        log << "ERROR: The damaged " << saveFileName << " is kept as " << name << ".\n";
    }
    if (!damaged.copied) {
        log << "ERROR: Failed to keep a copy of the damaged " << saveFileName
            << ". It is not replaced.\n";
    }
}

// Keeps the scores a save is about to replace, unless they are the same.
void ScoreFile::keepBackup(const std::string& newBytes, std::ostream& log) {
    std::string old;
    if (damaged.onDisk || !readWholeFile(saveFileName, old) || old == newBytes) return;
    if (writeWholeFile(folder, backupFileName, old) != Written::ok)
        log << "ERROR: Failed to write " << backupFileName << ".\n";
}

bool storableBest(float score, const std::string& programText) {
    if (!plausibleScore(score) || programText.size() > size_t(maxProgramLength)) return false;
    Program program;
    parseProgramText(programText, program);
    return program.size() <= size_t(maxProgramSize);
}

std::string scoreFileBytes(const Records& records) {
    std::string bytes;
    int32_t count = 0;
    for (const auto& [name, best] : records.all()) {
        // The reader refuses longer names; such a mission is not written.
        if (name.size() > size_t(maxNameLength)) continue;
        bool storable = storableBest(best.bestScore, best.program);
        appendBytes(bytes, name);
        appendFloat32(bytes, storable ? best.bestScore : 0.0f);
        appendBytes(bytes, storable ? best.program : std::string());
        ++count;
    }
    std::string out;
    appendInt32(out, count);
    return out + bytes;
}

std::string readScoreRecords(std::FILE* file, Records& records) {
    int32_t count;
    if (!readInt32(file, count)) return "no record count";
    if (count < 0) return "negative record count " + std::to_string(count);
    std::string problems;
    int skipped = 0;
    for (int32_t i = 0; i < count; ++i) {
        std::string which = "record " + std::to_string(i + 1) + " of " + std::to_string(count);
        FileRecord record;
        if (!readRecord(file, record)) {
            if (!problems.empty()) problems += "; ";
            return problems + which +
                   " is cut short or invalid, so the records from there on were not loaded";
        }
        // Only this record is lost: the next one starts where its length said.
        if (!storableBest(record.bestScore, record.program)) {
            // A damaged file could hold millions of such records: name a few.
            if (++skipped <= 3) {
                if (!problems.empty()) problems += "; ";
                problems += which + " has an impossible best score or program and was skipped";
            }
            continue;
        }
        records.put(record.name, Record{record.bestScore, record.program});
    }
    if (skipped > 3) problems += "; " + std::to_string(skipped - 3) + " more were skipped";
    return problems;
}

void ScoreFile::save(const Records& records, std::ostream& log) {
    log << "Saving game.\n";
    if (!known) {
        log << "ERROR: Failed to open file for saving game.\n";
        return;
    }
    if (damaged.onDisk && !damaged.copied) {
        keepDamagedCopy(log);
        if (!damaged.copied) return;
    }
    std::string bytes = scoreFileBytes(records);
    keepBackup(bytes, log);
    switch (writeWholeFile(folder, saveFileName, bytes)) {
        case Written::ok:
            damaged = DamagedFile();
            return;
        case Written::notOpened:
            log << "ERROR: Failed to open file for saving game.\n";
            return;
        case Written::notWritten:
            log << "ERROR: Failed to write file for saving game. The old scores are kept.\n";
            return;
    }
}

void ScoreFile::load(Records& records, std::ostream& log) {
    log << "Loading game.\n";
    damaged = DamagedFile();
    std::FILE* file = known ? std::fopen(saveFileName.c_str(), "rb") : nullptr;
    if (!file) {
        log << "ERROR: Failed to open file for loading game. No scores loaded.\n";
        return;
    }
    std::string problem = readScoreRecords(file, records);
    std::fclose(file);
    if (problem.empty()) return;
    log << "ERROR: Damaged " << saveFileName << ": " << problem << ".\n";
    damaged.onDisk = true;
    keepDamagedCopy(log);
}

#include "missions/ScoreFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <ostream>

#include "core/FileAccess.h"
#include "sim/ProgramText.h"

namespace {

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

// The bytes of a whole file, read from the front.
struct ByteReader {
    const std::string& bytes;
    size_t at = 0;

    bool int32(int32_t& value) {
        if (bytes.size() - at < 4) return false;
        uint32_t bits = 0;
        for (int i = 3; i >= 0; --i) bits = bits << 8 | uint8_t(bytes[at + size_t(i)]);
        at += 4;
        value = static_cast<int32_t>(bits);
        return true;
    }
    bool float32(float& value) {
        int32_t bits;
        if (!int32(bits)) return false;
        std::memcpy(&value, &bits, sizeof value);
        return true;
    }
    // A length field and that many bytes, at most `limit`.
    bool text(int32_t limit, std::string& out) {
        int32_t length;
        if (!int32(length) || length < 0 || length > limit) return false;
        if (bytes.size() - at < size_t(length)) return false;
        out.assign(bytes, at, size_t(length));
        at += size_t(length);
        return true;
    }
    size_t left() const { return bytes.size() - at; }
};

struct FileRecord {
    std::string name;
    float bestScore = 0.0f;
    std::string program;
};

// False when the record's framing is broken; a framed record may still hold
// a best that cannot be kept.
bool readRecord(ByteReader& in, FileRecord& record) {
    return in.text(maxNameLength, record.name) && in.float32(record.bestScore) &&
           in.text(maxProgramLength, record.program);
}

void addProblem(std::string& problems, const std::string& problem) {
    if (!problems.empty()) problems += "; ";
    problems += problem;
}

}  // namespace

bool storableBest(float score, const std::string& programText) {
    // Scores are sums of non-negative costs, so anything else was never
    // written by the game (and a NaN best could never be beaten).
    if (!std::isfinite(score) || score < 0.0f) return false;
    if (programText.empty()) return true;  // no best program (never won)
    std::string why;
    return programText.size() <= size_t(maxProgramLength) && isProgramText(programText, why);
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

std::string readScoreRecords(const std::string& bytes, Records& records) {
    ByteReader in{bytes};
    int32_t count;
    if (!in.int32(count)) return "no record count";
    if (count < 0) return "negative record count " + std::to_string(count);
    std::string problems;
    int skipped = 0;
    for (int32_t i = 0; i < count; ++i) {
        std::string which = "record " + std::to_string(i + 1) + " of " + std::to_string(count);
        FileRecord record;
        if (!readRecord(in, record)) {
            addProblem(problems, which + " is cut short or invalid, so the records from there on "
                                         "were not loaded");
            return problems;
        }
        // Only this record is lost: the next one starts where its length said.
        if (!storableBest(record.bestScore, record.program)) {
            // A damaged file could hold millions of such records: name a few.
            if (++skipped <= 3)
                addProblem(problems, which + " has an impossible best score or program and was skipped");
            continue;
        }
        records.put(record.name, Record{record.bestScore, record.program});
    }
    if (skipped > 3) addProblem(problems, std::to_string(skipped - 3) + " more were skipped");
    // A count that shrank would otherwise drop the records after it unseen.
    if (in.left() > 0)
        addProblem(problems, std::to_string(in.left()) + " bytes follow the last record");
    return problems;
}

ScoreFile::ScoreFile(const std::string& folder_, bool known_)
    : folder(folder_),
      known(known_),
      saveFileName(inFolder(folder_, "save.dat")),
      backupFileName(saveFileName + ".bak"),
      lockFileName(saveFileName + ".lock"),
      damagedFileName(saveFileName + ".damaged") {}

ScoreFile::State ScoreFile::read(const std::string& name, Records& records, std::string& bytes,
                                 std::string& problem) {
    switch (readRegularFile(name, maxScoreFileSize, bytes, problem)) {
        case ReadStatus::missing:
            return State::missing;
        case ReadStatus::failed:
            return State::unreadable;
        case ReadStatus::ok:
            break;
    }
    problem = readScoreRecords(bytes, records);
    return problem.empty() ? State::sound : State::damaged;
}

// Copies the damaged file aside; false, and said, when it could not be.
bool ScoreFile::keepDamagedCopy(const std::string& bytes, std::ostream& log) {
    const size_t mark = std::hash<std::string>{}(bytes);
    if (mark == keptDamage) return true;  // copied at load, said then
    const std::string name = keepCopyAside(damagedFileName, bytes);
    if (name.empty()) {
        log << "ERROR: Failed to keep a copy of the damaged " << saveFileName
            << ". It is not replaced.\n";
        return false;
    }
    log << "ERROR: The damaged " << saveFileName << " is kept as " << name << ".\n";
    keptDamage = mark;
    return true;
}

void ScoreFile::load(Records& records, std::ostream& log) {
    log << "Loading game.\n";
    if (!known) {
        log << "ERROR: Failed to open file for loading game. No scores loaded.\n";
        return;
    }
    std::string bytes, problem;
    const State state = read(saveFileName, records, bytes, problem);
    if (state == State::sound) return;
    if (state == State::damaged) {
        log << "ERROR: Damaged " << saveFileName << ": " << problem << ".\n";
        keepDamagedCopy(bytes, log);
    } else if (state == State::unreadable) {
        log << "ERROR: " << saveFileName << " cannot be read: " << problem
            << ". It is not replaced.\n";
    }
    // The backup is the last complete copy: what it holds is not lost either.
    Records backup;
    std::string backupBytes, backupProblem;
    if (read(backupFileName, backup, backupBytes, backupProblem) == State::sound) {
        records.merge(backup);
        log << "ERROR: The scores of " << backupFileName << " are loaded.\n";
    } else if (state == State::missing) {
        log << "ERROR: Failed to open file for loading game. No scores loaded.\n";
    }
}

std::string ScoreFile::save(Records& records, std::ostream& log) {
    log << "Saving game.\n";
    std::string failure;
    if (!known) {
        failure = "no folder for " + saveFileName;
    } else {
        FileLock lock(lockFileName);
        if (!lock.held()) {
            failure = lock.why();
        } else {
            failure = saveLocked(records, log);
        }
    }
    if (!failure.empty()) log << "ERROR: Could not save: " << failure << "\n";
    lastProblem = failure;
    return failure;
}

// With the lock held: another copy of the game may have saved since.
std::string ScoreFile::saveLocked(Records& records, std::ostream& log) {
    Records onDisk;
    std::string old, problem;
    const State state = read(saveFileName, onDisk, old, problem);
    if (state == State::unreadable)
        return saveFileName + " cannot be read: " + problem + "; it is not replaced";
    if (state == State::damaged && !keepDamagedCopy(old, log))
        return "a copy of the damaged " + saveFileName + " could not be kept";
    records.merge(onDisk);
    const std::string bytes = scoreFileBytes(records);
    if (state == State::sound && old == bytes) return "";
    std::string why;
    // Only a complete file becomes the backup: while "save.dat" is damaged
    // or missing, the backup may be the one complete copy.
    if (state == State::sound && !replaceFile(backupFileName, old, why))
        log << "ERROR: Failed to write " << backupFileName << ": " << why << "\n";
    if (!replaceFile(saveFileName, bytes, why)) return why;
    return "";
}

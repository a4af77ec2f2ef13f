#pragma once

#include <cstdio>
#include <iosfwd>
#include <map>
#include <string>

#include "missions/Records.h"
#include "sim/Instruction.h"

// The players' progress between runs: "save.dat" in one folder, one record
// per mission (name, best score, best program text). Progress and error
// lines go to the `log` each call is given.

class ScoreFile {
public:
    // `folder` "" or "." is the working directory; a folder that could not
    // be found (`known` false) is never read or written.
    explicit ScoreFile(const std::string& folder = ".", bool known = true);

    // Reads "save.dat" into `records`. A damaged file keeps every record it
    // can still frame, reports the rest, and is copied to "save.dat.damaged"
    // before any save replaces it.
    void load(Records& records, std::ostream& log);
    // Rewrites "save.dat" from `records`. The new file is written beside the
    // old one and renamed over it, so a failed save never loses the scores
    // already on disk. The scores it replaces are kept in "save.dat.bak"
    // whenever they change.
    void save(const Records& records, std::ostream& log);

private:
    void keepDamagedCopy(std::ostream& log);
    void keepBackup(const std::string& newBytes, std::ostream& log);

    // What "save.dat" holds on disk when it loaded with an error. Until a
    // copy is kept aside, no save may replace it; until a save replaced it,
    // it is no backup worth keeping.
    struct DamagedFile {
        bool onDisk = false;
        bool copied = false;
        std::string bytes;
    };
    DamagedFile damaged;
    std::string folder;
    bool known;
    std::string saveFileName;
    std::string backupFileName;
    // More than one damaged file may need keeping: "save.dat.damaged", then
    // "save.dat.damaged.2" and on.
    std::string damagedFileName;
};

// The file's exact bytes for `records`: little-endian int32 count, then per
// mission in name order int32 name length, name, float32 best score,
// int32 program length, program text. A best the reader would refuse is
// written as no best.
std::string scoreFileBytes(const Records& records);

// Longest name and program text a record may hold; anything longer is damage.
constexpr int32_t maxNameLength = 255;  // bytes
// The text of the longest program with the widest values: " T -2147483648" each.
constexpr int32_t maxProgramLength = 4 + maxProgramSize * 14 + 1;  // bytes

// Whether a best score and its program text can be stored and read back:
// a finite score of at least 0 and a program the editor can hold.
bool storableBest(float score, const std::string& programText);

// Reads the records of `file` into `records`. Returns an empty string when
// the whole file was sound, otherwise what was wrong: records with an
// impossible best are skipped, and a record that breaks the framing ends the
// reading (the records before it are kept).
std::string readScoreRecords(std::FILE* file, Records& records);

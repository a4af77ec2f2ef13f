#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "missions/Records.h"
#include "sim/Instruction.h"

// The players' progress between runs: "save.dat" in one folder, one record
// per mission (name, best score, best program text). Progress and error
// lines go to the `log` each call is given.
//
// "save.dat.bak" is the last complete copy: a save that replaces a complete
// file keeps its bytes there first, and nothing replaces it while
// "save.dat" is damaged or missing. A damaged "save.dat" is copied to
// "save.dat.damaged" before anything replaces it; one that cannot be read at
// all is never replaced. Two copies of the game may share the folder: each
// save locks "save.dat.lock", merges what the file holds by then, and
// replaces the file whole.
class ScoreFile {
public:
    // `folder` "" or "." is the working directory; a folder that could not
    // be found (`known` false) is never read or written.
    explicit ScoreFile(const std::string& folder = ".", bool known = true);

    // Reads "save.dat" into `records`; when it is damaged, missing or
    // unreadable, also the records of a complete "save.dat.bak".
    void load(Records& records, std::ostream& log);
    // Merges into `records` the records "save.dat" holds now (per mission
    // the better best), then replaces the file with them. Returns "" when
    // saved, otherwise why not; the records stay as they are for the next try.
    std::string save(Records& records, std::ostream& log);
    // Why the last save failed; "" when it did not (or none was tried).
    const std::string& problem() const { return lastProblem; }

private:
    enum class State { sound, missing, damaged, unreadable };
    // Reads `name` into `records`; what was wrong goes to `problem`.
    State read(const std::string& name, Records& records, std::string& bytes,
               std::string& problem);
    bool keepDamagedCopy(const std::string& bytes, std::ostream& log);
    std::string saveLocked(Records& records, std::ostream& log);

    size_t keptDamage = 0;  // a hash of the damaged bytes last copied aside
    std::string lastProblem;

    std::string folder;
    bool known;
    std::string saveFileName;
    std::string backupFileName;
    std::string lockFileName;
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
// The largest "save.dat" read: thousands of missions with the longest programs.
constexpr size_t maxScoreFileSize = size_t(64) << 20;  // bytes

// Whether a best score and its program text can be stored and read back:
// a finite score of at least 0 and a program the editor can make.
bool storableBest(float score, const std::string& programText);

// Reads the records of a whole file's `bytes` into `records`. Returns an
// empty string when every byte was sound, otherwise what was wrong: records
// with an impossible best are skipped, a record that breaks the framing ends
// the reading (the records before it are kept), and bytes after the last
// record are damage too.
std::string readScoreRecords(const std::string& bytes, Records& records);

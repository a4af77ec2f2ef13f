#pragma once

#include <iosfwd>
#include <map>
#include <string>

// The programs players were editing when they left a mission, kept between
// starts in "programs.dat" beside "save.dat": one line per mission,
// "MISSION NAME<TAB>PROGRAM TEXT", the program text as the score file keeps it.
using EditedPrograms = std::map<std::string, std::string>;  // program text by mission name

// Reads the lines of `text` into `programs`. A damaged line (no tab, an
// empty or overlong name, a text that is no program) is skipped with an
// "ERROR: path:line: ..." line on `log`; the others are kept. False when
// any line was damaged.
bool parseEditedPrograms(const std::string& text, const std::string& path,
                         EditedPrograms& programs, std::ostream& log);
// The file's contents for `programs`, in name order; names or texts that
// could not be read back are left out.
std::string editedProgramsText(const EditedPrograms& programs);

// "programs.dat" as the game keeps it: an edit reaches the file within
// `delay` seconds, whole (written beside it and renamed over). Two copies of
// the game may share it: each write locks "programs.dat.lock", reads what
// the other wrote, and keeps the other's programs but for the missions
// edited here since, whose edit is the newer. A file that cannot be read is
// never replaced; a damaged one is copied to "programs.dat.damaged" first.
class EditedProgramsFile {
public:
    // An empty `path` keeps the programs for this session only.
    explicit EditedProgramsFile(std::string path = "");

    void load(std::ostream& log);
    // The program kept for `mission`, or null.
    const std::string* find(const std::string& mission) const;
    // Notes `text` as the program edited on `mission` at `now` (seconds).
    void edit(const std::string& mission, const std::string& text, double now);
    // Writes once the oldest unwritten edit is `delay` old.
    void writeIfDue(double now, std::ostream& log);
    // Writes the unwritten edits now; false, said on `log`, when they could
    // not be (they stay to be written next time).
    bool write(std::ostream& log);

    static constexpr double delay = 1.0;        // seconds
    static constexpr double retryDelay = 30.0;  // seconds after a failed write

private:
    bool writeLocked(std::ostream& log);

    std::string path;
    EditedPrograms programs;  // as last read or written, with the edits since
    EditedPrograms edited;    // edits not yet written
    double firstEdit = 0.0;   // when the oldest of them was made
};

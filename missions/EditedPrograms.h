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
// "ERROR: path:line: ..." line on `log`; the others are kept.
void parseEditedPrograms(const std::string& text, const std::string& path,
                         EditedPrograms& programs, std::ostream& log);
// Reads the file at `path`; a missing file holds no programs.
EditedPrograms readEditedPrograms(const std::string& path, std::ostream& log);
// The file's contents for `programs`, in name order; names or texts that
// could not be read back are left out.
std::string editedProgramsText(const EditedPrograms& programs);
// Writes beside the old file and renames it over, so a failed write keeps
// the old one. False, with an "ERROR: " line on `log`, on failure.
bool writeEditedPrograms(const std::string& path, const EditedPrograms& programs,
                         std::ostream& log);

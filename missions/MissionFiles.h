#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <utility>

struct MissionDef;

// Checks the files a mission names, as the game will draw them: each body's
// model must be an OBJ model with triangles (with texture coordinates when
// the body has a texture), each texture a PNG image that decodes. One check
// serves several missions and reads each file once.
class MissionFilesCheck {
public:
    // `dataFolder` holds the models/ and images the names are relative to;
    // "" is the working directory.
    explicit MissionFilesCheck(std::string dataFolder);

    // Writes "ERROR: file:line: body[N] model: 'name' ..." to `log` for each
    // file that would not draw; true when all would.
    bool check(const MissionDef& def, std::ostream& log);

private:
    enum Use { Model, SkinnedModel, Texture };
    std::string problem(const std::string& name, Use use);
    std::string read(const std::string& name, std::string& bytes) const;

    std::string dataFolder;
    std::map<std::pair<std::string, Use>, std::string> known;  // the problems found so far
};

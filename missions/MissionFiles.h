#pragma once

#include <iosfwd>
#include <map>
#include <string>

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
    std::string modelProblem(const std::string& name, bool textured);
    std::string textureProblem(const std::string& name);
    std::string path(const std::string& name) const;

    std::string dataFolder;
    std::map<std::string, std::string> known;  // "model:" or "texture:" + name -> problem
};

#include "missions/MissionFiles.h"

#include <ostream>
#include <utility>

#include "core/FileAccess.h"
#include "core/GameFolders.h"
#include "core/ObjModel.h"
#include "core/PngImage.h"
#include "missions/MissionFile.h"

namespace {


const size_t largestFile = size_t(64) << 20;  // bytes

}  // namespace

MissionFilesCheck::MissionFilesCheck(std::string dataFolder_) : dataFolder(std::move(dataFolder_)) {}

// The bytes of the data file `name`, or why there are none.
std::string MissionFilesCheck::read(const std::string& name, std::string& bytes) const {
    return readNamedFile(fileIn(dataFolder, name), largestFile, bytes);
}

std::string MissionFilesCheck::problem(const std::string& name, Use use) {
    auto found = known.find({name, use});
    if (found != known.end()) return found->second;
    std::string bytes;
    std::string why = read(name, bytes);
    if (why.empty() && use == Texture) {
        why = pngProblem(bytes);
    } else if (why.empty()) {
        ObjModel model;
        model.parse(bytes);
        why = objModelProblem(model, use == SkinnedModel);
        if (!why.empty()) why = "is not an OBJ model the game can draw: " + why;
    }
    return known[{name, use}] = why;
}

bool MissionFilesCheck::check(const MissionDef& def, std::ostream& log) {
    bool sound = true;
    auto report = [&](size_t body, int line, const char* key, const std::string& name,
                      const std::string& problem) {
        if (problem.empty()) return;
        log << "ERROR: " << def.file << ":" << line << ": body[" << body + 1 << "] " << key
            << ": '" << name << "' " << problem << "\n";
        sound = false;
    };
    for (size_t i = 0; i < def.bodies.size(); ++i) {
        const BodyDef& body = def.bodies[i];
        if (!body.model.empty())
            report(i, body.modelLine, "model", body.model,
                   problem(body.model, body.texture.empty() ? Model : SkinnedModel));
        if (!body.texture.empty())
            report(i, body.textureLine, "texture", body.texture, problem(body.texture, Texture));
    }
    return sound;
}

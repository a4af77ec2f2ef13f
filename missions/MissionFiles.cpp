#include "missions/MissionFiles.h"

#include <filesystem>
#include <ostream>
#include <utility>

#include "core/FileAccess.h"
#include "core/ObjModel.h"
#include "core/PngImage.h"
#include "missions/MissionFile.h"

namespace {

namespace fs = std::filesystem;

const size_t largestModel = size_t(64) << 20;  // bytes

}  // namespace

MissionFilesCheck::MissionFilesCheck(std::string dataFolder_) : dataFolder(std::move(dataFolder_)) {}

std::string MissionFilesCheck::path(const std::string& name) const {
    return dataFolder.empty() ? name : (fs::path(dataFolder) / name).string();
}

std::string MissionFilesCheck::modelProblem(const std::string& name, bool textured) {
    const std::string key = (textured ? "skinned model:" : "model:") + name;
    auto found = known.find(key);
    if (found != known.end()) return found->second;
    std::string& problem = known[key];
    std::string text;
    problem = readNamedFile(path(name), largestModel, text);
    if (!problem.empty()) return problem;
    ObjModel model;
    model.parse(text);
    const std::string why = objModelProblem(model, textured);
    if (!why.empty()) problem = "is not an OBJ model the game can draw: " + why;
    return problem;
}

std::string MissionFilesCheck::textureProblem(const std::string& name) {
    const std::string key = "texture:" + name;
    auto found = known.find(key);
    if (found != known.end()) return found->second;
    return known[key] = pngProblem(path(name));
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
                   modelProblem(body.model, !body.texture.empty()));
        if (!body.texture.empty())
            report(i, body.textureLine, "texture", body.texture, textureProblem(body.texture));
    }
    return sound;
}

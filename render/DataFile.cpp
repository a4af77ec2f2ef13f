#include "render/DataFile.h"

namespace {
std::string& dataFolder() {
    static std::string folder;
    return folder;
}
}  // namespace

void setDataFolder(const std::string& folder) { dataFolder() = folder; }

std::string dataFile(const std::string& name) {
    const std::string& folder = dataFolder();
    if (folder.empty() || (!name.empty() && name[0] == '/')) return name;
    return folder + "/" + name;
}

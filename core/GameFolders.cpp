#include "core/GameFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace {

const char* const appFolder = "astrello";

bool isDirectory(const std::string& path) {
    struct stat info;
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isAbsolute(const std::string& path) { return !path.empty() && path[0] == '/'; }

std::string absoluteFolder(const std::string& folder) {
    std::error_code error;
    fs::path path = fs::absolute(folder, error);
    return error ? folder : path.lexically_normal().string();
}

// The XDG folder from its variable, or home + fallback; "" when neither is
// usable (the XDG rules ignore a relative value).
std::string xdgFolder(const std::string& variable, const std::string& home, const char* fallback) {
    if (isAbsolute(variable)) return (fs::path(variable) / appFolder).lexically_normal().string();
    if (isAbsolute(home))
        return (fs::path(home) / fallback / appFolder).lexically_normal().string();
    return "";
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string joined(const std::string& folder, bool unknown, const std::string& name) {
    return unknown ? "" : fileIn(folder, name);
}

// mkdir -p, each new folder private to the player. Returns "" or the reason.
std::string makeFolders(const std::string& folder) {
    std::string path;
    size_t from = 0;
    while (from <= folder.size()) {
        size_t slash = folder.find('/', from);
        if (slash == std::string::npos) slash = folder.size();
        path = folder.substr(0, slash);
        from = slash + 1;
        if (path.empty() || isDirectory(path)) continue;
        if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return std::strerror(errno);
        if (!isDirectory(path)) return std::string(path + " is not a folder");
    }
    return "";
}

// Creates `folder` if needed; false (with an "ERROR: " line saying `lost`)
// when it cannot be made or written.
bool prepareFolder(const std::string& folder, bool unknown, const char* lost, std::ostream& log) {
    if (unknown) {
        log << "ERROR: Cannot find the home folder. " << lost << "\n";
        return false;
    }
    std::string problem = folder.empty() ? "" : makeFolders(folder);
    if (!problem.empty()) {
        log << "ERROR: Cannot create folder " << folder << ": " << problem << ". " << lost << "\n";
        return false;
    }
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) != 0) {
        log << "ERROR: Cannot write to folder " << shownFolder(folder) << ": "
            << std::strerror(errno) << ". " << lost << "\n";
        return false;
    }
    return true;
}

}  // namespace

GameFolders chooseGameFolders(const FolderEnvironment& env, const FolderOverrides& overrides) {
    GameFolders folders;
    std::string installedData;
    if (isAbsolute(env.executableDir)) {
        installedData = (fs::path(env.executableDir).parent_path() / "share" / appFolder).string();
    }
    folders.installed = isDirectory(installedData);
    if (folders.installed) {
        folders.data = installedData;
        folders.config = xdgFolder(env.xdgConfigHome, env.home, ".config");
        folders.save = xdgFolder(env.xdgDataHome, env.home, ".local/share");
        folders.configUnknown = folders.config.empty();
        folders.saveUnknown = folders.save.empty();
    }
    if (!overrides.dataDir.empty()) folders.data = absoluteFolder(overrides.dataDir);
    if (!overrides.saveDir.empty()) {
        folders.config = folders.save = absoluteFolder(overrides.saveDir);
        folders.configUnknown = folders.saveUnknown = false;
    }
    return folders;
}

FolderEnvironment currentFolderEnvironment() {
    FolderEnvironment env;
    std::error_code error;
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) env.executableDir = executable.parent_path().string();
    env.home = environmentValue("HOME");
    if (!isAbsolute(env.home)) {
        const passwd* entry = ::getpwuid(::getuid());
        env.home = entry && entry->pw_dir ? entry->pw_dir : "";
    }
    env.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
    env.xdgDataHome = environmentValue("XDG_DATA_HOME");
    return env;
}

void prepareGameFolders(GameFolders& f, std::ostream& log) {
    if (f.save == f.config && f.saveUnknown == f.configUnknown) {
        f.canSave = prepareFolder(f.save, f.saveUnknown, "Scores and options will not be saved.", log);
        return;
    }
    prepareFolder(f.config, f.configUnknown, "Options will not be saved.", log);
    f.canSave = prepareFolder(f.save, f.saveUnknown, "Scores will not be saved.", log);
}

std::string GameFolders::dataFile(const std::string& name) const {
    return joined(data, false, name);
}

std::string GameFolders::configFile(const std::string& name) const {
    return joined(config, configUnknown, name);
}

std::string GameFolders::saveFile(const std::string& name) const {
    return joined(save, saveUnknown, name);
}

std::string fileIn(const std::string& folder, const std::string& name) {
    if (folder.empty() || isAbsolute(name)) return name;
    return (fs::path(folder) / name).string();
}

std::string shownFolder(const std::string& folder) {
    if (!folder.empty()) return folder;
    std::error_code error;
    fs::path here = fs::current_path(error);
    return error ? "." : here.string();
}

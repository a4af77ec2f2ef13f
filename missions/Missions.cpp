#include "missions/Missions.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <system_error>

#include "missions/DataMission.h"
#include "missions/MissionFile.h"
#include "missions/MissionFiles.h"

namespace {

namespace fs = std::filesystem;

// What a mission file may give as its group: a campaign file one of the
// ranks, first to last; a player's file, if it names one, the last.
const char* const rankNames[MissionGroups::rankCount] = {"Cadet Missions", "Ensign Missions",
                                                         "Lieutenant Missions", "Commander Missions"};
const char* const customGroupName = "Custom Missions";

// The "*.toml" files of `folder` in name order; false if it cannot be listed.
bool missionFiles(const std::string& folder, std::vector<std::string>& files) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) return false;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) return false;
        std::error_code ignored;
        if (it->path().extension() == ".toml" && it->is_regular_file(ignored))
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return true;
}

int rankOf(const std::string& group) {
    for (int i = 0; i < MissionGroups::rankCount; ++i)
        if (group == rankNames[i]) return i;
    return -1;
}

std::string rankList() {
    std::string list;
    for (const char* title : rankNames) list += std::string(list.empty() ? "" : ", ") + title;
    return list;
}

// The parsed campaign of a folder, with its reader's messages: read once per
// process, the files being the game's own.
struct Campaign {
    std::vector<MissionDef> defs;
    std::vector<int> ranks;
    std::string messages;
    int errors = 0;
};

const Campaign& campaign(const std::string& folder) {
    static std::map<std::string, Campaign> read;
    std::error_code ignored;
    const std::string key = fs::absolute(folder, ignored).lexically_normal().string();
    auto found = read.find(key);
    if (found != read.end()) return found->second;
    Campaign& c = read[key];
    std::ostringstream log;
    std::vector<std::string> files;
    if (!missionFiles(folder, files)) {
        log << "ERROR: Cannot read the mission folder " << folder << ". No missions loaded.\n";
        ++c.errors;
    }
    std::map<std::string, std::string> titles;  // title -> file
    for (const std::string& file : files) {
        MissionDef def;
        std::ostringstream problems;
        bool good = readMissionFile(file, def, problems);
        const int rank = rankOf(def.group);
        if (good && rank < 0) {
            problems << "ERROR: " << file << ":" << def.groupLine << ": group: '" << def.group
                     << "' is none of " << rankList() << "\n";
            good = false;
        }
        if (good && titles.count(def.title)) {
            problems << "ERROR: " << file << ":" << def.titleLine << ": title: '" << def.title
                     << "' is also the title of " << titles[def.title] << "\n";
            good = false;
        }
        log << problems.str();
        if (!good) {
            ++c.errors;
            continue;
        }
        titles[def.title] = file;
        c.defs.push_back(def);
        c.ranks.push_back(rank);
    }
    c.messages = log.str();
    return c;
}

}  // namespace

bool MissionGroups::isCampaign(const std::string& title) const {
    for (const auto& rank : ranks)
        if (std::find(rank.begin(), rank.end(), title) != rank.end()) return true;
    return false;
}

int loadCampaign(const std::string& folder, MissionRegistry& registry, MissionGroups& groups,
                 std::ostream& log) {
    const Campaign& c = campaign(folder);
    log << c.messages;
    for (auto& rank : groups.ranks) rank.clear();
    for (size_t i = 0; i < c.defs.size(); ++i) {
        const MissionDef& def = c.defs[i];
        groups.ranks[c.ranks[i]].push_back(def.title);
        // Missions live for the whole run; the registry owns them.
        if (!registry.count(def.title)) registry[def.title] = std::make_unique<DataMission>(def);
    }
    return c.errors;
}

bool readCustomMission(const std::string& file, const MissionGroups& campaign, MissionDef& def,
                       MissionFilesCheck& files, std::ostream& log) {
    if (!readMissionFile(file, def, log)) return false;
    if (!def.group.empty() && def.group != customGroupName) {
        log << "ERROR: " << file << ":" << def.groupLine << ": group: a custom mission belongs to '"
            << customGroupName << "', not '" << def.group << "'\n";
        return false;
    }
    if (campaign.isCampaign(def.title)) {
        log << "ERROR: " << file << ":" << def.titleLine << ": title: '" << def.title
            << "' is the title of a built-in mission\n";
        return false;
    }
    return files.check(def, log);
}

namespace {

// The first line of `messages`, naming `file` by its own name: the menu has
// room for no folder.
RefusedMission refusal(const std::string& file, const std::string& messages) {
    const std::string name = fs::path(file).filename().string();
    std::string first = messages.substr(0, messages.find('\n'));
    const size_t at = first.find(file);
    if (at != std::string::npos) first.replace(at, file.size(), name);
    return RefusedMission{name, first};
}

}  // namespace

int loadCustomMissions(const std::string& folder, const std::string& dataFolder,
                       MissionRegistry& registry, MissionGroups& groups, std::ostream& log) {
    groups.custom.clear();
    groups.refused.clear();
    int refused = 0;
    std::vector<std::string> files;
    std::error_code error;
    if (fs::exists(folder, error) && !missionFiles(folder, files)) {
        log << "ERROR: Cannot read the mission folder " << folder << ". No custom missions loaded.\n";
        ++refused;
    }
    MissionFilesCheck check(dataFolder);
    std::map<std::string, std::string> loaded;  // title -> file
    for (const std::string& file : files) {
        MissionDef def;
        std::ostringstream messages;
        bool good = readCustomMission(file, groups, def, check, messages);
        if (good && loaded.count(def.title)) {
            messages << "WARNING: " << file << ":" << def.titleLine << ": title: '" << def.title
                     << "' is also the title of " << fs::path(loaded[def.title]).filename().string()
                     << "; this file is left out\n";
            good = false;
        }
        log << messages.str();
        if (!good) {
            groups.refused.push_back(refusal(file, messages.str()));
            ++refused;
            continue;
        }
        loaded[def.title] = file;
        groups.custom.push_back(def.title);
        if (!registry.count(def.title)) registry[def.title] = std::make_unique<DataMission>(def);
    }
    return refused;
}

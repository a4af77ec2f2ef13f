#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Mission;

// Missions by name, in byte-wise name order; owns the missions for the whole run.
using MissionRegistry = std::map<std::string, std::unique_ptr<Mission>>;

// A player's mission file the game refused.
struct RefusedMission {
    std::string file;     // the file's own name, e.g. "my_mission.toml"
    std::string problem;  // its first message, naming the file the same way
};

// Which missions are the campaign's, by rank, and which are the player's own,
// as the loaders below last found them.
struct MissionGroups {
    static constexpr int rankCount = 4;
    // Titles of rank 0 (the first a player meets) to 3, in file-name order.
    std::vector<std::string> ranks[rankCount];
    std::vector<std::string> custom;      // titles, in file-name order
    std::vector<RefusedMission> refused;  // custom files left out, in file-name order

    bool isCampaign(const std::string& title) const;
};

// Loads every "*.toml" file of `folder` as a built-in mission and lists it
// under its rank in `groups`. A bad file gets "ERROR: file:line: ..." lines on
// `log` and is left out; the others load. A title already registered keeps
// its mission, which screens may point at. Returns the number of errors.
int loadCampaign(const std::string& folder, MissionRegistry& registry, MissionGroups& groups,
                 std::ostream& log);

// Loads the player's own missions, the "*.toml" files of `folder`, listing them
// in `groups` as custom. The models and textures they name are found in
// `dataFolder`. A missing folder is no error; a file whose title is one of the
// campaign's in `groups` is refused, and so is a second file of a title
// already loaded (with a warning). Returns the number of files refused.
int loadCustomMissions(const std::string& folder, const std::string& dataFolder,
                       MissionRegistry& registry, MissionGroups& groups, std::ostream& log);

struct MissionDef;
class MissionFilesCheck;
// Reads a player's mission file and checks what the game asks of one: a
// group, if named, of "Custom Missions", a title that is none of the
// campaign's, and models and textures that `files` finds sound. Errors as
// loadCampaign() reports them.
bool readCustomMission(const std::string& file, const MissionGroups& campaign, MissionDef& def,
                       MissionFilesCheck& files, std::ostream& log);

#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

class Mission;

// Missions by name, in byte-wise name order; owns the missions for the whole run.
using MissionRegistry = std::map<std::string, Mission*>;

// The built-in missions: one file each in the campaign folder. Starts as
// "campaign", beside images/ and models/ in the working directory.
const std::string& campaignFolder();
void setCampaignFolder(const std::string& folder);

// Loads the campaign folder's missions and registers each under its title,
// reporting bad files on standard output. A title already registered keeps
// its mission, which screens may point at.
void registerMissions(MissionRegistry& registry);

// Loads every "*.toml" file of `folder` as a built-in mission, in file-name
// order within each rank group. A bad file gets "ERROR: file:line: ..." lines
// on `log` and is left out; the others load. Returns the number of errors.
int loadCampaign(const std::string& folder, MissionRegistry& registry, std::ostream& log);

// The folder that holds the campaign folder: the models and images that
// mission files name are found there.
std::string missionDataFolder();

// Loads the player's own missions: the "*.toml" files of the folder
// "custom-missions" in `saveFolder` (the folder that holds "save.dat"), into
// the group "Custom Missions". A missing folder is no error; a file whose
// title is a built-in mission's is refused, and so is a second file of a
// title already loaded (with a warning). Returns the number of files refused.
int loadCustomMissions(const std::string& saveFolder, MissionRegistry& registry, std::ostream& log);

extern const char* const customGroupTitle;  // "Custom Missions"

struct MissionDef;
class MissionFilesCheck;
// Reads a player's mission file and checks what the game asks of one: a
// group, if named, of "Custom Missions", a title that is no built-in
// mission's (as rankGroups() lists them), and models and textures that
// `files` finds sound. Errors as loadCampaign() reports them.
bool readCustomMission(const std::string& file, MissionDef& def, MissionFilesCheck& files,
                       std::ostream& log);

// A player's mission file the game refused, as the menu lists it.
struct RefusedMission {
    std::string file;     // the file's own name, e.g. "my_mission.toml"
    std::string problem;  // its first message, naming the file the same way
};

struct RankGroup {
    const char* title;
    std::vector<std::string> missions;    // in menu order
    std::vector<RefusedMission> refused;  // after them, in file-name order
};
// "Cadet Missions", "Ensign Missions", "Lieutenant Missions", "Commander
// Missions" with the missions last loaded into them, then "Custom Missions"
// if any custom mission was loaded or refused.
const std::vector<RankGroup>& rankGroups();

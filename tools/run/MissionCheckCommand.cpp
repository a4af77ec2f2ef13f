#include "tools/run/MissionCheckCommand.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>

#include "missions/DataMission.h"
#include "missions/Flight.h"
#include "missions/MissionFile.h"
#include "missions/MissionFiles.h"
#include "missions/Missions.h"
#include "sim/FlightHorizon.h"

namespace {

const int referenceLoses = 1;
const int badInput = 2;
// How far past the horizon a reference is flown to tell its author when it
// would have won.
const long lookBeyond = 20 * flightHorizon;

// Whether `def` is the campaign's own mission, read from the same file.
bool isCampaignMission(const RunContext& run, const MissionDef& def) {
    auto found = run.missions.find(def.title);
    const auto* mission = found == run.missions.end()
                              ? nullptr
                              : dynamic_cast<const DataMission*>(found->second.get());
    std::error_code error;
    return mission && std::filesystem::equivalent(mission->def().file, def.file, error);
}

std::string shortNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string where(const MissionDef& def, int line) {
    return def.file + ":" + std::to_string(line) + ": ";
}

// Solid bodies that start inside one another: the physics lets them be, but
// it is seldom what the author meant.
void warnOverlaps(const MissionDef& def, std::ostream& err) {
    for (size_t j = 1; j < def.bodies.size(); ++j) {
        const BodyDef& b = def.bodies[j];
        for (size_t i = 0; i < j && b.solid; ++i) {
            const BodyDef& a = def.bodies[i];
            const Vec2 d = b.position - a.position;
            const double apart = std::sqrt(d.x * d.x + d.y * d.y);
            if (!a.solid || !(apart < a.radius + b.radius)) continue;
            err << "WARNING: " << where(def, b.line) << "body[" << j + 1 << "] overlaps body["
                << i + 1 << "] at the start: their centres are " << shortNumber(apart)
                << " apart, their radii add up to " << shortNumber(a.radius + b.radius) << "\n";
        }
    }
}

// Flies the reference as a run in the game flies: 0 when it wins there.
int flyReference(RunContext& run, const MissionDef& def, std::ostream& out, std::ostream& err) {
    DataMission mission(def);
    const FlightResult result = flyMission(run.world, mission, def.reference, flightHorizon);
    out << formatResult(result) << "\n";
    const std::string at = where(def, def.referenceLine);
    if (std::string(result.result) == "won") {
        if (medalFor(result.score, mission) < 3) {
            char score[32];
            std::snprintf(score, sizeof score, "%.2f", double(result.score));
            err << "WARNING: " << where(def, def.goldLine) << "medals.gold: "
                << shortNumber(def.gold) << " is below the reference program's own score of "
                << score << ", so that program earns " << medalName(medalFor(result.score, mission))
                << "\n";
        }
        return 0;
    }
    if (std::string(result.result) == "failed") {
        err << "ERROR: " << at << "reference: does not win: it failed, " << run.world.result.failReason
            << "\n";
        return referenceLoses;
    }
    DataMission later(def);
    const FlightResult longer = flyMission(run.world, later, def.reference, lookBeyond);
    err << "ERROR: " << at << "reference: ";
    if (std::string(longer.result) == "won")
        err << "wins only at " << longer.time << " s, past the game's horizon of " << flightHorizon
            << " s, where every run stops\n";
    else
        err << "does not win within the game's horizon of " << flightHorizon
            << " s, where every run stops\n";
    return referenceLoses;
}

}  // namespace

int checkMissionCommand(RunContext& run, const RunArgs& args, std::ostream& out,
                        std::ostream& err) {
    if (args.empty()) {
        err << "usage: astrello-run check-mission FILE...\n";
        return badInput;
    }
    MissionFilesCheck files(run.dataFolder);
    std::map<std::string, std::string> titles;  // title -> the first file of it
    int status = 0;
    for (const std::string& file : args) {
        MissionDef def;
        std::ostringstream quiet;
        // The campaign's own files are judged as the campaign loads them,
        // any other as the game loads a player's mission.
        const bool builtIn = readMissionFile(file, def, quiet) && isCampaignMission(run, def);
        if (builtIn ? !files.check(def, err) : !readCustomMission(file, run.groups, def, files, err)) {
            status = badInput;
            continue;
        }
        auto [first, fresh] = titles.emplace(def.title, file);
        if (!fresh)
            err << "WARNING: " << where(def, def.titleLine) << "title: '" << def.title
                << "' is also the title of " << first->second
                << "; the game plays only one of them\n";
        warnOverlaps(def, err);
        if (flyReference(run, def, out, err) != 0 && status == 0) status = referenceLoses;
    }
    return status;
}

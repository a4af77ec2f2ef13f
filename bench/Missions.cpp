#include "bench/Missions.h"

#include <cmath>
#include <fstream>

#include "missions/Missions.h"
#include "missions/Mission.h"
#include "sim/Body.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"

std::vector<Solution> readSolutions(const std::string& fileName) {
    std::vector<Solution> solutions;
    std::ifstream file(fileName);
    for (std::string line; std::getline(file, line);) {
        size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
        solutions.push_back(Solution{line.substr(0, tab), line.substr(tab + 1)});
    }
    return solutions;
}

Mission* loadMission(const MissionRegistry& missions, World& world, const Solution& solution) {
    auto found = missions.find(solution.mission);
    if (found == missions.end()) return nullptr;
    world.mission = found->second.get();
    world.clearProgramAndReset();
    parseProgramText(solution.program, world.rocket->program);
    world.reset();
    return found->second.get();
}

BareGravity::BareGravity(const World& world) {
    for (const Body& b : world.bodies) {
        bodies.push_back(Mass{b.mass, b.position.x, b.position.y, b.velocity.x, b.velocity.y,
                              b.angle, b.spin, b.solid});
    }
    px = world.rocket->position.x;
    py = world.rocket->position.y;
    vx = world.rocket->velocity.x;
    vy = world.rocket->velocity.y;
}

namespace {

// The same operations, in the same order, as the world's pull.
inline void pull(double& vx, double& vy, double mass, double dx, double dy) {
    double r2 = dx * dx + 0.0 + dy * dy;
    double r3 = std::sqrt(r2) * r2;
    if (!(r3 > 0.0)) return;
    vx += (dx * mass) / r3;
    vy += (dy * mass) / r3;
}

}  // namespace

void BareGravity::step() {
    for (size_t i = 0; i < bodies.size(); ++i) {
        Mass& b = bodies[i];
        for (size_t j = 0; j < bodies.size(); ++j) {
            const Mass& o = bodies[j];
            if (j != i && o.solid) pull(b.vx, b.vy, o.mass, o.px - b.px, o.py - b.py);
        }
        b.px += b.vx;
        b.py += b.vy;
        b.angle += b.spin;
    }
    for (const Mass& o : bodies) {
        if (o.solid) pull(vx, vy, o.mass, o.px - px, o.py - py);
    }
    px += vx;
    py += vy;
}

double BareGravity::checksum() const { return px + py + vx + vy; }

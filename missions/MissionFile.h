#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "sim/Vec2.h"

// A mission as its TOML file describes it (docs/missions.md): the record,
// the bodies, the ship's start, the objectives in order and the ways to fail.
// Reading checks every value, so a mission built from it needs no checks.

// The newest file format this game reads.
constexpr int missionFormat = 1;
// Most bodies a mission may have; every step pulls each body by each other.
constexpr int maxMissionBodies = 16;
// Most objectives, failures, or circles of one visit.
constexpr int maxMissionParts = 16;
// The largest mission file read; a mission's text is a few kilobytes.
constexpr size_t maxMissionFileSize = size_t(1) << 20;  // bytes

struct BodyDef {
    std::string name;  // how objectives refer to it; may be empty
    double radius = 0.0;
    double mass = 0.0;
    Vec2 position;
    Vec2 velocity;
    double angle = 0.0;
    double spin = 0.0;
    bool solid = true;
    std::string model;
    std::string texture;
    int line = 0, modelLine = 0, textureLine = 0;  // in the file, for messages
};

struct ShipDef {
    Vec2 position;
    Vec2 velocity;
    double angle = 0.0;
    double spin = 0.0;  // the ship's angular velocity
};

// Where an objective is measured from: a body's centre, or a fixed point.
struct Centre {
    int body = -1;  // index into the bodies, or -1 for `point`
    Vec2 point;
};

struct ObjectiveDef {
    enum Kind {
        Visit,    // enter every circle of `bodies`, in any or the listed order
        Leave,    // get farther than `radius` from `centre`
        Land,     // be landed; with a body, nearer than `radius` to its centre
        LandAt,   // be landed nearer than `radius` to a place on a body
        Launch,   // be off the ground
        Hold,     // stay in a band and/or a turning sector for more than `steps`
        Survive,  // let more than `steps` pass after the objective before
    };
    Kind kind = Visit;
    int line = 0;  // in the file, for messages
    Centre centre;
    std::vector<int> bodies;  // Visit
    bool inOrder = false;     // Visit
    double radius = 0.0;      // Visit, Leave, Land (with a body), LandAt
    Vec2 offset;              // LandAt: from the body's centre, in single precision
    bool hasInner = false, hasOuter = false, hasSector = false;  // Hold
    double inner = 0.0, outer = 0.0, sector = 0.0;               // Hold
    int steps = 0;                                               // Hold, Survive
};

struct FailureDef {
    enum Kind {
        Beyond,     // farther than `radius` from `centre`
        Land,       // landed after having been off the ground
        TimeLimit,  // more than `steps` steps
    };
    Kind kind = Beyond;
    Centre centre;
    double radius = 0.0;
    int steps = 0;
    std::string text;  // what the player is told on failing; empty: said from the kind
};

struct MissionDef {
    std::string file;  // as given to the reader
    std::string title;
    std::string group;  // empty when the file names none
    int titleLine = 1, groupLine = 1, referenceLine = 1, goldLine = 1;  // for messages
    std::string briefing;  // the whole text shown, objectives list included
    float gold = 0.0f, silver = 0.0f;
    float thrustCost = 1.0f, turnCost = 0.1f, timeCost = 0.01f;
    std::vector<BodyDef> bodies;
    ShipDef ship;
    std::vector<ObjectiveDef> objectives;
    std::vector<FailureDef> failures;
    std::string reference;  // program text that wins the mission
};

// Reads the mission file `path`. On any problem writes one
// "ERROR: path:line: what is wrong" line per problem to `log` and returns false.
bool readMissionFile(const std::string& path, MissionDef& def, std::ostream& log);
// The same for file contents already read; `path` only names them in messages.
bool readMissionText(const std::string& text, const std::string& path, MissionDef& def,
                     std::ostream& log);

#include "screens/FlightPaths.h"

#include <algorithm>
#include <vector>

#include "app/Options.h"
#include "missions/Mission.h"
#include "platform/Clock.h"
#include "platform/Window.h"
#include "screens/ProgramEditor.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

const int neighbourStep = 10;    // the faint paths' change to the value
const float pickRadius = 8.0f;   // pixels from a tick that a press still hits
const int editorLowest = 0;      // the editor's range of values
const int editorHighest = 1000;
const double frameSeconds = 1.0 / 60.0;  // a preview that takes longer is flown beside the UI

// The one instruction whose value alone differs, -1 if none, -2 if more changed.
int changedValue(const Program& before, const Program& after) {
    if (before.size() != after.size()) return -2;
    int changed = -1;
    for (size_t i = 0; i < after.size(); ++i) {
        if (before[i].opcode != after[i].opcode) return -2;
        if (before[i].value == after[i].value) continue;
        if (changed >= 0) return -2;
        changed = int(i);
    }
    return changed;
}

// The value moved by `delta`, within the editor's range unless it already lies outside.
int32_t movedValue(int32_t value, int delta) {
    const int64_t moved = int64_t(value) + delta;
    const int64_t low = std::min<int64_t>(value, editorLowest);
    const int64_t high = std::max<int64_t>(value, editorHighest);
    return int32_t(std::clamp(moved, low, high));
}

}  // namespace

FlightPaths::FlightPaths(ProgramEditor& editor_, StoredOptions& options_)
    : clock(secondsSinceStart), mouseHeld(mouseButtonHeld), editor(editor_), options(options_) {}

bool FlightPaths::previewShown() const { return options.settings.showPreview; }

void FlightPaths::togglePreview() {
    options.settings.showPreview = !options.settings.showPreview;
    options.save();
}

void FlightPaths::forgetMission(const Rules* now) {
    mission = now;
    background.abandon();
    awaiting = false;
    lastFlightSeconds = 0.0;
    trail.clear();
    ghost.clear();
    preview.clear();
    lower.clear();
    higher.clear();
    seenValid = false;
    previewValid = false;
    edited = -1;
    neighboursOf = -1;
    lowerFresh = higherFresh = false;
}

void FlightPaths::runStarted(const World& world) {
    if (world.mission != mission) forgetMission(world.mission);
    trail.begin(world);
}

void FlightPaths::stepped(const World& world) { trail.afterStep(world); }

void FlightPaths::runEnded(const World& world) {
    if (trail.empty()) return;
    if (world.mission && world.mission == mission) {
        trail.finish(world, FlightPath::Flying);
        std::swap(ghost, trail);
    }
    trail.clear();
}

void FlightPaths::noteEdit(const Program& program) {
    if (seenValid) {
        const int changed = changedValue(seen, program);
        if (changed >= 0) {
            edited = changed;
            editTime = clock();
        } else if (changed == -2) {
            edited = -1;
        }
    }
    seen = program;
    seenValid = true;
}

void FlightPaths::flyPreview(World& world) {
    const Program& program = world.rocket->program;
    if (previewValid && lastFlightSeconds > frameSeconds) {
        if (!awaiting || awaited != program || awaitedBest != flights.best) {
            background.start(world, flights.best, program);
            awaited = program;
            awaitedBest = flights.best;
            awaiting = true;
        }
        return;
    }
    const double start = clock();
    previewed = program;
    previewedBest = flights.best;
    flights.fly(world, previewed, preview);
    lastFlightSeconds = clock() - start;
    previewValid = true;
    lowerFresh = higherFresh = false;
}

void FlightPaths::takeBackgroundFlight() {
    if (!awaiting || !background.take(preview, previewed)) return;
    awaiting = false;
    previewedBest = awaitedBest;
    previewValid = true;
    lowerFresh = higherFresh = false;
}

// One neighbour of the previewed program, for as long as its flight. A
// value at the end of its range has no neighbour on that side.
void FlightPaths::flyNeighbour(World& world, int delta, FlightPath& path) {
    Program moved = previewed;
    Instruction& instruction = moved[size_t(edited)];
    const int32_t value = instruction.value;
    instruction.value = movedValue(value, delta);
    if (instruction.value == value)
        path.clear();
    else
        flights.fly(world, moved, path, preview.steps());
}

void FlightPaths::prepare(World& world, float best, bool editable) {
    shown = FlightOverlay();
    if (!world.mission || !world.rocket) return;
    if (world.mission != mission) forgetMission(world.mission);
    shown.ghost = &ghost;
    if (world.running) {
        const Rocket& ship = *world.rocket;
        shown.trail = &trail;
        shown.executing = ship.pc > 0 ? ship.currentLine : -1;
        return;
    }
    if (!editable) {
        // The optimizer's search: the world keeps the program it started from.
        seenValid = false;
        if (previewShown() && previewValid) shown.preview = &preview;
        return;
    }
    noteEdit(world.rocket->program);
    if (!previewShown()) return;
    takeBackgroundFlight();
    // An edit is shown in the frame that follows it, so the preview is flown now
    // (or, if that takes longer than a frame, beside the frames that follow).
    const bool flown = !previewValid || previewed != world.rocket->program ||
                       previewedBest != best;
    flights.best = best;
    if (flown) flyPreview(world);
    shown.preview = &preview;
    const int n = int(previewed.size());
    shown.selected = editor.selected < n ? editor.selected : -1;
    const bool changing = edited >= 0 && edited < n && clock() - editTime < valueEditSeconds;
    // A drag that holds still is still a drag.
    if (changing && mouseHeld()) editTime = clock();
    if (!changing) {
        neighboursOf = -1;
        return;
    }
    if (neighboursOf != edited) {
        neighboursOf = edited;
        lower.clear();
        higher.clear();
        lowerFresh = higherFresh = false;
    }
    // The neighbours follow in the frames after: at most one flight per
    // frame, so a drag keeps the frame rate, and meanwhile the last ones show.
    if (!flown && !lowerFresh) {
        flyNeighbour(world, -neighbourStep, lower);
        lowerFresh = true;
    } else if (!flown && !higherFresh) {
        flyNeighbour(world, +neighbourStep, higher);
        higherFresh = true;
    }
    shown.lower = &lower;
    shown.higher = &higher;
}

bool FlightPaths::pick(Vec2f point, const Camera& camera, float w, float h) {
    if (!shown.preview || !editor.editable) return false;
    const auto& ticks = shown.preview->ticks();
    std::vector<int> hits;
    int nearest = -1;
    float nearestDistance = 0.0f;
    for (size_t i = 0; i < ticks.size(); ++i) {
        const Vec2f p = viewPoint(camera, w, h, ticks[i].position);
        const float dx = p.x - point.x, dy = p.y - point.y;
        const float d = dx * dx + dy * dy;
        if (!(d <= pickRadius * pickRadius)) continue;
        hits.push_back(int(i));
        if (nearest < 0 || d < nearestDistance) {
            nearest = int(i);
            nearestDistance = d;
        }
    }
    if (hits.empty()) return false;
    auto current = std::find(hits.begin(), hits.end(), editor.selected);
    if (current == hits.end()) {
        editor.selected = nearest;
    } else {
        ++current;
        editor.selected = current == hits.end() ? hits.front() : *current;
    }
    editor.reveal();
    editor.digits.restart();
    return true;
}

#pragma once

#include "render/PathDrawing.h"
#include "sim/FlightPath.h"
#include "sim/Instruction.h"

class Rules;
class ProgramEditor;
struct StoredOptions;
struct World;

// The flights the game screen shows: the trail of the run in progress, the
// ghost of the last run that ended, and, while the program is stopped, its
// preview, flown again whenever the program changes, before the frame that
// shows the change is drawn. While a value is being changed (dragged, typed,
// stepped) two faint paths show the flight with it 10 lower and 10 higher,
// flown for as long as the preview's own flight, one in each of the frames
// that follow.
class FlightPaths {
public:
    // The preview switch is one of `options`.
    FlightPaths(ProgramEditor& editor, StoredOptions& options);

    // Shown unless the options say otherwise; P switches it, and the
    // choice is written to their file at once.
    bool previewShown() const;
    void togglePreview();

    // The run in progress: from the world's reset state, after every step,
    // and when it has ended (won, failed or stopped) before the world is reset.
    void runStarted(const World& world);
    void stepped(const World& world);
    void runEnded(const World& world);

    // Before each frame is drawn. `editable`: the stopped program is the
    // player's to edit (not during the optimizer's search, when the world's
    // program is not yet its result). `best`: the player's best on the
    // mission, which sets how far the preview is flown. May reset the
    // stopped world.
    void prepare(World& world, float best, bool editable);

    const FlightOverlay& overlay() const { return shown; }
    // While a preview is flown beside the frames, or a value is being
    // changed: the faint paths are still to be flown, or to go once the change
    // is over. The frames that follow show them.
    bool changing() const { return awaiting || neighboursOf >= 0; }

    // A press at `point` (view pixels, the view being w x h and looked at by
    // `camera`) on a tick of the preview selects that tick's instruction in
    // the editor; among ticks that lie together, repeated presses go round
    // them. True if a tick was hit.
    bool pick(Vec2f point, const Camera& camera, float w, float h);

    // How long after a value's last change the faint paths stay; a mouse
    // button held meanwhile (a drag) keeps them.
    static constexpr double valueEditSeconds = 1.5;
    // Seconds since start; replaceable for tests.
    double (*clock)();
    // Whether a mouse button is held; replaceable for tests.
    bool (*mouseHeld)();

private:
    void forgetMission(const Rules* mission);
    void noteEdit(const Program& program);
    void flyPreview(World& world);
    void takeBackgroundFlight();
    void flyNeighbour(World& world, int delta, FlightPath& path);

    ProgramEditor& editor;
    StoredOptions& options;
    FlightPreview flights;
    // A preview that took longer than a frame is flown beside the UI after
    // it; the last one stays shown until the new one is ready.
    BackgroundFlight background;
    double lastFlightSeconds = 0.0;
    bool awaiting = false;
    Program awaited;
    float awaitedBest = 0.0f;
    FlightPath trail, ghost, preview, lower, higher;
    FlightOverlay shown;
    const Rules* mission = nullptr;  // the mission all paths belong to

    Program seen;  // the program as at the last editable frame
    bool seenValid = false;
    Program previewed;  // the program `preview` shows
    float previewedBest = 0.0f;
    bool previewValid = false;
    int edited = -1;  // the instruction whose value changed last, or -1
    double editTime = 0.0;
    int neighboursOf = -1;  // the instruction `lower` and `higher` vary, -1 if none
    bool lowerFresh = false, higherFresh = false;  // flown from the program now previewed
};

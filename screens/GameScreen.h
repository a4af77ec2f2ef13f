#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/Widget.h"
#include "missions/EditedPrograms.h"
#include "missions/Records.h"
#include "screens/TurboPace.h"
#include "sim/Instruction.h"

class FlightPaths;
class Optimizer;
class SpaceView;
class Button;
class ProgramEditor;
struct LabelBox;
struct StoredOptions;
struct World;

// The screen on which a mission is played: the space view, the program
// editor and a bar of eleven buttons. It keeps no simulation state of its
// own; it drives the world it is handed. Owns its children.
class GameScreen : public Widget {
public:
    // A won run shows `completion`. The programs being edited are kept in
    // `keptProgramsFile` between starts; "" (as in tests) keeps them for this
    // session only.
    GameScreen(Ui& ui, World& world, const Records& records, std::mt19937& random,
               StoredOptions& options, Widget& completion, std::string keptProgramsFile = "");
    ~GameScreen() override;
    GameScreen(const GameScreen&) = delete;
    GameScreen& operator=(const GameScreen&) = delete;

    std::unique_ptr<SpaceView> spaceView;
    std::unique_ptr<ProgramEditor> editor;
    Button* runButton;
    Button* leftButton;
    Button* rightButton;
    Button* thrustButton;
    Button* waitButton;
    Button* sleepButton;
    Button* delButton;
    Button* upButton;
    Button* downButton;
    Button* quitButton;
    Button* turboButton;

    bool optimizeRequested = false;  // F1 asks for the optimizer; update() starts it

    void update() override;
    void draw() override;
    bool handleEvent(const InputEvent& event) override;
    // A run, F1's search, the faint paths of a value being changed, a held
    // "+" or "-", a refused key's flash; and one frame after they end.
    bool moving() override;

    // Running: Stop label, editing buttons hidden, Turbo shown, editor locked.
    // Stopping also resets the world, so the ship is back at its start.
    void setRunning(bool run);
    // What the last run or F1 came to, shown until the player's next action; "" for none.
    const std::string& shownMessage() const { return message; }
    void stopRun() { setRunning(false); }
    // Puts the program last edited on the current mission into the ship, if
    // one was kept ("programs.dat"); false if none.
    bool restoreEditedProgram();
    // Keeps the ship's program as the one edited on this mission, written at once.
    void keepEditedProgram();
    // Writes the edits not yet in the file (at the end of the game).
    void writeKeptPrograms();

private:
    Button* addButton(const char* label, float x);
    // True when the run was won in this update.
    bool simulate();
    void stepByWorldSpeed();
    void applyEdits();
    void drawReadout() const;
    void handleStoppedKey(Key key);
    void continueOptimizing();
    // Forgets every button press of this update.
    void dropPresses();
    // Shows `text` (and `detail` beneath it) over the space view until the
    // player's next action.
    void say(const std::string& text, const std::string& detail = "");
    void forgetMessageOnAction();
    void drawMessage() const;
    // Whether a box in window pixels would hide the end of the preview.
    bool coversPreviewEnd(const LabelBox& box) const;
    // Ends a run that has flown past the horizon without winning or failing.
    void outOfTime();
    // Notes the program being edited; it is written a moment after the edit.
    void keepEditsSoon();
    // Replaces the ship's program with the mission's best.
    void loadBestProgram();
    // The kept programs, read on first use.
    EditedProgramsFile& keptPrograms();

    World& world;
    const Records& records;  // the bests the preview and the optimizer measure against
    std::mt19937& random;  // the optimizer's draws
    Widget& completion;
    EditedProgramsFile keptTexts;  // read on first use
    bool keptRead = false;
    std::vector<std::unique_ptr<Button>> buttons;

    std::unique_ptr<Optimizer> optimizer;  // the search F1 started, while it runs
    std::unique_ptr<FlightPaths> paths;    // trail, ghost and preview in the space view
    long horizon = 0;                      // steps a run may fly without an outcome
    std::string message, messageDetail;    // what the last run or F1 came to
    Program programAtMessage;              // an edit of it clears the message
    TurboPace pace;                        // steps per update of a run in turbo
    bool skipToEnd = false;                // End: fly the rest of the run at once
    bool movedLastTurn = true;             // moving() was true the last time asked
};

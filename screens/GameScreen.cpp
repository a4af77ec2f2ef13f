#include "screens/GameScreen.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <utility>
#include <vector>

#include "app/Button.h"
#include "missions/Mission.h"
#include "platform/Clock.h"
#include "render/FlatShapes.h"
#include "render/Font.h"
#include "render/PathDrawing.h"
#include "render/WindowProjection.h"
#include "screens/CompletionScreen.h"
#include "screens/FlightPaths.h"
#include "screens/ProgramEditor.h"
#include "screens/SpaceView.h"
#include "sim/FlightPath.h"
#include "sim/Optimizer.h"
#include "sim/ProgramEdits.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

constexpr float buttonWidth = 77;   // pixels
constexpr float buttonHeight = 28;  // pixels
constexpr float buttonBottom = 2;   // pixels above the window's lower edge
constexpr float barHeight = 32;     // the button bar below the view and editor
constexpr float editorWidth = 256;  // the editor column at the right edge

constexpr int normalSpeed = 1000;  // hundredths of a step per update
constexpr int turboSpeed = 10000;
constexpr int turboLimit = 2000;  // Turbo from at most this speed, else back to normal
// Real time the optimizer may take in one update, so the window stays alive.
constexpr double optimizerSlice = 0.2;  // seconds

void printProgress(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

// Takes a button's press: true once per press, and the flag is cleared.
bool takeClick(Button* button) {
    bool clicked = button->clicked;
    button->clicked = false;
    return clicked;
}

}  // namespace

GameScreen::GameScreen(Ui& ui, World& world, const Records& records, std::mt19937& random,
                       StoredOptions& options, Widget& completion, std::string keptProgramsFile)
    : Widget(ui),
      world(world),
      records(records),
      random(random),
      completion(completion),
      keptTexts(std::move(keptProgramsFile)) {
    entered = true;
    spaceView = std::make_unique<SpaceView>(ui, world);
    spaceView->parent = this;
    editor = std::make_unique<ProgramEditor>(ui, world);
    editor->parent = this;
    children.push_back(spaceView.get());
    children.push_back(editor.get());
    paths = std::make_unique<FlightPaths>(*editor, options);
    spaceView->paths = paths.get();
    runButton = addButton("Run", 8);
    leftButton = addButton("Left", 125);
    rightButton = addButton("Right", 210);
    thrustButton = addButton("Thrust", 295);
    waitButton = addButton("Wait", 380);
    sleepButton = addButton("Sleep", 465);
    delButton = addButton("Del", 582);
    upButton = addButton("Up", 667);
    downButton = addButton("Down", 752);
    quitButton = addButton("Quit", 869);
    // Turbo takes the place of Thrust while a run is in progress.
    turboButton = addButton("Turbo", 280);
    turboButton->hidden = true;
}

GameScreen::~GameScreen() = default;

Button* GameScreen::addButton(const char* label, float x) {
    buttons.push_back(std::make_unique<Button>(this));
    Button* button = buttons.back().get();
    button->label = label;
    button->min = Vec2f(x, buttonBottom);
    button->max = Vec2f(x + buttonWidth, buttonBottom + buttonHeight);
    children.push_back(button);
    return button;
}

void GameScreen::setRunning(bool run) {
    if (run) {
        keepEditedProgram();
        paths->runStarted(world);
        if (world.mission)
            horizon = previewHorizon(records.best(nameOf(world)), world.mission->timeRate);
        pace.reset();
        skipToEnd = false;
    } else {
        paths->runEnded(world);
    }
    world.running = run;
    world.measureApproach = run;
    if (!run) world.reset();
    runButton->label = run ? "Stop" : "Run";
    for (Button* button : {leftButton, rightButton, thrustButton, waitButton, sleepButton,
                           delButton, upButton, downButton}) {
        button->hidden = run;
    }
    turboButton->hidden = !run;
    editor->editable = !run;
}

bool GameScreen::moving() {
    const bool now = entered || world.running || optimizer || editor->busy() ||
                     paths->changing();
    const bool draw = now || movedLastTurn;
    movedLastTurn = now;
    return draw;
}

void GameScreen::update() {
    if (entered) {
        entered = false;
        enterTime = ui.clock;
        optimizer.reset();
        stopRun();
    }
    if (optimizer) {
        continueOptimizing();
        return;
    }
    if (simulate()) {
        // The win hands over to the completion screen; presses of the same
        // update (Quit would pop it at once, an edit would change the program
        // it records) are dropped.
        dropPresses();
        return;
    }
    if (!world.running) editor->repeatHeld();
    forgetMessageOnAction();
    if (takeClick(runButton)) {
        if (world.running) say("Stopped");
        setRunning(!world.running);
    }
    applyEdits();
    keepEditsSoon();
    bool left = false;
    if (takeClick(quitButton)) {
        keepEditedProgram();
        ui.popScreen();
        entered = true;
        left = true;
    }
    if (takeClick(turboButton)) {
        world.speed = world.speed <= turboLimit ? turboSpeed : normalSpeed;
    }
    turboButton->lit = world.speed > normalSpeed;
    if (optimizeRequested) {
        optimizeRequested = false;
        if (left || world.running || !world.mission || !world.rocket) return;
        optimizer = std::make_unique<Optimizer>(*world.mission, records.best(nameOf(world)),
                                                world.rocket->program, random,
                                                printProgress);
        editor->editable = false;
        continueOptimizing();
    }
}

// The optimizer flies its runs in a world of its own, a slice per update.
// Presses meanwhile are dropped, but for Quit, which abandons the search.
void GameScreen::continueOptimizing() {
    optimizeRequested = false;
    const bool quit = takeClick(quitButton);
    dropPresses();
    if (quit) {
        optimizer.reset();
        keepEditedProgram();
        editor->editable = true;
        ui.popScreen();
        entered = true;
        return;
    }
    const double deadline = secondsSinceStart() + optimizerSlice;
    if (!optimizer->advance([deadline] { return secondsSinceStart() < deadline; })) return;
    world.reset();
    world.rocket->program = optimizer->result();
    if (optimizer->bestScore() < optimizer->startingScore()) {
        char text[128];
        if (optimizer->startingProgramWon()) {
            std::snprintf(text, sizeof text, "Optimizer: %.2f -> %.2f",
                          double(optimizer->startingScore()), double(optimizer->bestScore()));
        } else {  // a score that is only the cut-off would mislead
            std::snprintf(text, sizeof text, "Optimizer: no win -> %.2f",
                          double(optimizer->bestScore()));
        }
        say(text);
    } else {
        say("Optimizer: no better program found");
    }
    optimizer.reset();
    editor->editable = true;
}

// A message stays until the player does something: presses a button or
// changes the program (keys clear it as they come, in handleEvent()).
void GameScreen::forgetMessageOnAction() {
    if (message.empty()) return;
    for (Button* button : {runButton, leftButton, rightButton, thrustButton, waitButton,
                           sleepButton, delButton, upButton, downButton, quitButton, turboButton}) {
        if (button->clicked) message.clear();
    }
    if (world.rocket && !world.running && world.rocket->program != programAtMessage)
        message.clear();
}

void GameScreen::dropPresses() {
    for (Button* button : {runButton, leftButton, rightButton, thrustButton, waitButton,
                           sleepButton, delButton, upButton, downButton, quitButton, turboButton}) {
        button->clicked = false;
    }
}

bool GameScreen::simulate() {
    if (!world.mission || !world.rocket) return false;  // no mission entered yet
    if (!world.running) return false;
    stepByWorldSpeed();
    bool won = world.result.won;
    if (won) {
        keepEditedProgram();
        stopRun();
        ui.pushScreen(&completion);
        entered = true;
    }
    if (world.result.failed) {
        std::string reason = world.result.failReason;
        if (!reason.empty()) reason[0] = char(std::toupper((unsigned char)reason[0]));
        say("Failed: " +
            (reason.empty() ? std::string("the mission's rules were broken") : reason));
        stopRun();
    } else if (!won && world.running && world.time >= horizon) {
        outOfTime();
    }
    return won;
}

void GameScreen::outOfTime() {
    char text[160];
    std::snprintf(text, sizeof text, "Out of time after %d s", world.time);
    std::string detail = world.progressReport();
    if (detail.empty()) detail = "No goal reached.";
    const double nearest = world.result.nearestGoal;
    char approach[160] = "";
    if (nearest > 0) {
        std::snprintf(approach, sizeof approach, " The ship came within %.1f units of it.",
                      nearest);
    } else if (nearest == 0) {
        std::snprintf(approach, sizeof approach, " The ship got there, but did not meet it.");
    }
    say(text, detail + approach);
    stopRun();
}

void GameScreen::say(const std::string& text, const std::string& detail) {
    message = text;
    messageDetail = detail;
    if (world.rocket) programAtMessage = world.rocket->program;
    std::printf("%s%s%s\n", text.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
}

namespace {

// `text` in lines no wider than `width` pixels, broken between words.
std::vector<std::string> wrapped(const Font& font, const std::string& text, float width) {
    std::vector<std::string> lines;
    std::string line, word;
    std::istringstream words(text);
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && textSize(font, longer).x > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

bool GameScreen::coversPreviewEnd(const LabelBox& box) const {
    const FlightPath* preview = paths->overlay().preview;
    if (!preview || preview->empty()) return false;
    const float w = spaceView->max.x - spaceView->min.x, h = spaceView->max.y - spaceView->min.y;
    const Vec2f end = viewPoint(spaceView->camera(), w, h, preview->end());
    const float x = spaceView->min.x + end.x, y = spaceView->min.y + end.y;
    const float clear = 12;  // the marker and a little room
    return box.overlaps(LabelBox{x - clear, y - clear, x + clear, y + clear});
}

// Centred near the top of the space view, on a dark band so the stars and
// paths beneath do not speckle it.
void GameScreen::drawMessage() const {
    if (!ui.font || message.empty()) return;
    const float viewWidth = float(ui.width) - editorWidth;
    // A long reason from a mission file is set small rather than run over the editor.
    const Font& font = textSize(*ui.font, message).x + 24 > viewWidth && ui.smallFont
                           ? *ui.smallFont
                           : *ui.font;
    const Vec2f size = textSize(font, message);
    std::vector<std::string> details;
    if (ui.smallFont) details = wrapped(*ui.smallFont, messageDetail, viewWidth - 40);
    float detailWidth = 0;
    for (const std::string& line : details)
        detailWidth = std::max(detailWidth, textSize(*ui.smallFont, line).x);
    const float detailHeight = ui.smallFont ? ui.smallFont->glyphHeight + 2 : 0;
    const float lineHeight = font.glyphHeight;
    const float width = std::max(size.x, detailWidth) + 24;
    const float height = lineHeight + float(details.size()) * detailHeight + 12;
    const float left = std::max(0.0f, (viewWidth - width) / 2);
    float top = float(ui.height) - 40;
    // Near the bottom of the view instead where it would hide the preview's end.
    if (coversPreviewEnd(LabelBox{left, top - height, left + width, top}))
        top = barHeight + 12 + height;
    DepthTestOff onTop;
    setColour(0, 0, 0, 0.7f);
    fillRect(left, top - height, left + width, top);
    setColour(1, 0.85f, 0.4f);
    outlineRect(left, top - height, left + width, top);
    drawText(font, message, Vec2f(std::max(0.0f, (viewWidth - size.x) / 2), top - 6 - lineHeight));
    setColour(0.9f, 0.9f, 0.9f);
    float y = top - 6 - lineHeight;
    for (const std::string& line : details) {
        y -= detailHeight;
        drawText(*ui.smallFont, line,
                 Vec2f(std::max(0.0f, (viewWidth - textSize(*ui.smallFont, line).x) / 2), y));
    }
    setColour(1, 1, 1);
}

// Slow speeds step every few updates; fast ones several times per update,
// stopping at once when the run is over. End flies the rest of the run at once.
void GameScreen::stepByWorldSpeed() {
    int speed = world.speed;
    if (speed <= 0) return;
    if (speed <= 100) {
        if (ui.stepCount % (100 / speed) == 0) {
            world.step();
            paths->stepped(world);
        }
        return;
    }
    const bool turbo = speed > normalSpeed;
    const long steps = skipToEnd ? horizon : long(speed / 100) * (turbo ? pace.factor() : 1);
    int row = ProgramEditor::highlightRow(*world.rocket);
    bool began = false;
    for (long i = 0; i < steps; ++i) {
        if (world.result.won || world.result.failed || world.time >= horizon) break;
        world.step();
        paths->stepped(world);
        const int now = ProgramEditor::highlightRow(*world.rocket);
        began = began || now != row;
        row = now;
    }
    pace.updated(turbo, began);
}

void GameScreen::applyEdits() {
    if (!world.rocket) return;
    Program& program = world.rocket->program;
    int& s = editor->selected;
    if (s > int(program.size())) s = int(program.size());
    const int before = s;
    const size_t length = program.size();
    if (takeClick(delButton)) deleteInstruction(program, s);
    if (takeClick(upButton)) moveInstructionUp(program, s);
    if (takeClick(downButton)) moveInstructionDown(program, s);
    for (auto [button, opcode] :
         {std::pair{leftButton, Left}, std::pair{rightButton, Right}, std::pair{waitButton, Wait},
          std::pair{sleepButton, Sleep}, std::pair{thrustButton, Thrust}}) {
        if (takeClick(button)) insertInstruction(program, s, uint8_t(opcode));
    }
    if (s != before || program.size() != length) editor->reveal();
}

void GameScreen::draw() {
    beginWindowFrame(ui.window());

    if (world.running) drawReadout();
    if (world.mission) {
        float w = float(ui.width);
        float h = float(ui.height);
        paths->prepare(world, records.best(nameOf(world)), !optimizer && !entered);
        spaceView->min = Vec2f(0, barHeight);
        spaceView->max = Vec2f(w - editorWidth, h);
        spaceView->draw();
        editor->min = Vec2f(w - editorWidth, barHeight);
        editor->max = Vec2f(w, h);
        editor->draw();
        drawMessage();
    }
    for (Button* button :
         {runButton, leftButton, rightButton, waitButton, sleepButton, thrustButton, delButton,
          upButton, downButton, quitButton, turboButton}) {
        button->draw();
    }
}

// Time, velocity (thousandths of a unit per step) and heading in [0, 360).
void GameScreen::drawReadout() const {
    const Rocket* rocket = world.rocket.get();
    if (!ui.font || !rocket) return;
    setColour(1, 1, 1);
    char text[512];  // wide enough for any double printed with %f
    std::snprintf(text, sizeof text, "Time: % 7d", world.time);
    drawText(*ui.font, text, Vec2f(110, 8));
    std::snprintf(text, sizeof text, "Vel: % 6.2f,% 6.2f", rocket->velocity.x * 1000,
                  rocket->velocity.y * 1000);
    drawText(*ui.font, text, Vec2f(380, 8));
    double degrees = std::fmod(rocket->angle * 180 / 3.141592653589793, 360.0);
    if (degrees < 0) degrees += 360;
    if (degrees >= 360) degrees = 0;  // a tiny negative remainder rounds up to 360
    std::snprintf(text, sizeof text, "Angle: % 6.2f", degrees);
    drawText(*ui.font, text, Vec2f(650, 8));
}

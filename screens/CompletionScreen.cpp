#include "screens/CompletionScreen.h"

#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/ListMenu.h"
#include "render/FlatShapes.h"
#include "render/MenuFrame.h"
#include "missions/Mission.h"
#include "missions/ScoreFile.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "screens/MedalTargets.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

const char* const medalImages[] = {"images/bronze2.png", "images/silver2.png", "images/gold2.png"};
const char* const medalNames[] = {"BRONZE", "SILVER", "GOLD"};

// One printf-formatted line of the breakdown.
std::string line(const char* format, double a, double b) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

void drawCentred(const Ui& ui, const std::string& text, float y) {
    Vec2f size = textSize(*ui.font, text);
    drawText(*ui.font, text, Vec2f(float(ui.width / 2) - size.x / 2, y));
}

// Over the medal's ribbon in a short window: on a dark patch.
void drawCentredBacked(const Ui& ui, const std::string& text, float y, float r, float g,
                       float b) {
    if (text.empty()) return;
    Vec2f at(float(ui.width / 2) - textSize(*ui.font, text).x / 2, y);
    drawTextBacking(*ui.font, text, at);
    setColour(r, g, b);
    drawText(*ui.font, text, at);
}

// Space is also the turbo key: a press meant for the flight that lands just
// after the win must not sweep the result away unseen.
constexpr double spaceGuardSeconds = 0.5;

}  // namespace

int runMedal(const Mission& mission, const RunResult& run) {
    // A score of 0 counts as "never won" for a best, but a won run always earns a medal.
    int medal = medalFor(run.score, mission);
    return medal == 0 ? 3 : medal;
}

std::string medalSentence(int medal) {
    return std::string("You got a ") + medalNames[medal - 1] + " medal.";
}

namespace {

// Hundredths as the breakdown writes them: "173.80", "-0.05".
std::string hundredthsText(long hundredths) {
    char text[48];
    const long size = std::labs(hundredths);
    std::snprintf(text, sizeof text, "%s%ld.%02ld", hundredths < 0 ? "-" : "", size / 100,
                  size % 100);
    return text;
}

// One line of a mission with its own costs: the amount, the rate as ".05"
// is written, and the cost in hundredths.
std::string rateLine(const char* label, float cost, float rate, long shown) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%g", double(rate));
    const char* written = std::strncmp(digits, "0.", 2) == 0 ? digits + 1 : digits;
    char text[128];
    std::snprintf(text, sizeof text, "%s: % 5.0f x %-3s = %8s\n", label,
                  rate > 0.0f ? cost / rate : 0.0, written, hundredthsText(shown).c_str());
    return text;
}

}  // namespace

std::array<long, 3> shownHundredths(const std::array<float, 3>& parts, float total) {
    std::array<long, 3> shown;
    std::array<double, 3> left;  // what rounding down left of each
    long sum = 0;
    for (size_t i = 0; i < 3; ++i) {
        const double exact = double(parts[i]) * 100.0;
        shown[i] = long(std::floor(exact));
        left[i] = exact - double(shown[i]);
        sum += shown[i];
    }
    // The hundredths the parts lack, given to those that lost most by
    // rounding down (or taken, in float's rare excess, from those that lost least).
    for (long missing = std::lround(double(total) * 100.0) - sum; missing != 0;) {
        size_t pick = 0;
        for (size_t i = 1; i < 3; ++i)
            if (missing > 0 ? left[i] > left[pick] : left[i] < left[pick]) pick = i;
        const long step = missing > 0 ? 1 : -1;
        shown[pick] += step;
        left[pick] -= double(step);
        missing -= step;
    }
    return shown;
}

std::string scoreBreakdown(const Mission& mission, const RunResult& run) {
    std::string text;
    char total[64];
    if (mission.thrustRate == 1.0f && mission.turnRate == 0.1f && mission.timeRate == 0.01f) {
        text += line("Thrust: % 5.0f x 1   = %5.0f\n", run.thrustCost, run.thrustCost);
        text += line(" Turns: % 5.0f x .1  =   %5.1f\n", run.turnCost * 10, run.turnCost);
        text += line("  Time: % 5.0f x .01 =    %5.2f\n", run.timeCost * 100, run.timeCost);
        std::snprintf(total, sizeof total, " Total:                 %5.2f\n", run.score);
    } else {
        // Each cost rounded to hundredths as the total is, so that they add up to it.
        const auto shown = shownHundredths(
            {run.thrustCost, run.turnCost, run.timeCost}, run.score);
        text += rateLine("Thrust", run.thrustCost, mission.thrustRate, shown[0]);
        text += rateLine(" Turns", run.turnCost, mission.turnRate, shown[1]);
        text += rateLine("  Time", run.timeCost, mission.timeRate, shown[2]);
        std::snprintf(total, sizeof total, " Total:%23s\n",
                      hundredthsText(shown[0] + shown[1] + shown[2]).c_str());
    }
    text += "-----------------------------\n";
    return text + total;
}

bool isNewBest(const RunResult& run, float best) { return best == 0.0f || run.score < best; }

float bestAfterRun(const RunResult& run, float best) {
    return isNewBest(run, best) ? run.score : best;
}

std::string medalGap(const Mission& mission, const RunResult& run) {
    int medal = runMedal(mission, run);
    if (medal == 3) return "";
    float limit = medal == 2 ? mission.goldLimit : mission.silverLimit;
    // Scores and limits are whole hundredths; a run above a limit is at
    // least one hundredth away, however the floats round.
    long hundredths = std::lround((double(run.score) - double(limit)) * 100.0);
    if (hundredths < 1) hundredths = 1;
    char text[64];
    std::snprintf(text, sizeof text, "%ld.%02ld from %s", hundredths / 100, hundredths % 100,
                  medal == 2 ? "gold" : "silver");
    return text;
}

std::string resultNotes(const Mission& mission, const RunResult& run, float best) {
    std::string gap = medalGap(mission, run);
    if (!isNewBest(run, best)) return gap;
    return gap.empty() ? "New best!" : "New best!   " + gap;
}

void CompletionScreen::recordResult() {
    const Mission* mission = missionOf(world);
    if (!mission || !world.rocket) return;
    const float score = world.result.score;
    std::string text = programText(world.rocket->program);
    // A program with damaged values can win with a score no sound run makes;
    // as a best it would beat every real one and could not be read back.
    if (!storableBest(score, text)) {
        std::printf("ERROR: A score of %g cannot be kept as the best.\n", double(score));
        return;
    }
    records.offer(mission->name, score, text);
}

void CompletionScreen::recordIfShown() {
    if (ui.currentScreen() == this) recordResult();
}

CompletionScreen::CompletionScreen(Ui& ui, World& world, Records& records, ScoreFile& scores)
    : Widget(ui), world(world), records(records), scores(scores) {
    entered = true;
}

void CompletionScreen::update() { menuUpdate(*this); }

void CompletionScreen::draw() {
    beginMenuFrame(ui.window());
    const Mission* mission = missionOf(world);
    if (!mission) {
        endMenuFrame(*ui.stars, ui.window());
        return;
    }
    const RunResult& run = world.result;
    int medal = runMedal(*mission, run);
    setColour(1, 1, 1);
    drawImageOverStars(*ui.textures->get(medalImages[medal - 1]),
              Vec2f(float(ui.width / 2 - 256), float(ui.height / 2 - 206)));
    drawCentred(ui, "Congratulations!", float(ui.height - 40));
    drawCentred(ui, medalSentence(medal), float(ui.height - 70));
    // The best is recorded on dismissal, but this run already counts, unless
    // it is one that cannot be kept.
    const float best = records.best(mission->name);
    bool kept = world.rocket &&
                storableBest(run.score, programText(world.rocket->program));
    drawCentredBacked(ui, kept ? resultNotes(*mission, run, best) : medalGap(*mission, run),
                      float(ui.height - 100), 1.0f, 0.85f, 0.4f);
    drawMedalTargets(ui, *mission, kept ? bestAfterRun(run, best) : best);
    setColour(0.7f, 0.7f, 0.7f);
    drawCentred(ui, scoreBreakdown(*mission, run), 100.0f);
    if (showingSaveProblem) {
        setColour(0.9f, 0.45f, 0.45f);
        drawCentred(ui, "Could not save: " + scores.problem(), 40.0f);
    }
    setColour(0.45f, 0.45f, 0.6f);
    drawCentred(ui, "Press Space or Return to go on", 6.0f);
    endMenuFrame(*ui.stars, ui.window());
}

bool CompletionScreen::handleEvent(const InputEvent& event) {
    if (event.kind == InputEvent::KeyPress) {
        Key key = event.key;
        bool settled = !entered && ui.clock - enterTime >= spaceGuardSeconds;
        if (key == Key::Escape || key == Key::Return || (key == Key::Space && settled)) dismiss();
        return true;
    }
    if (event.kind == InputEvent::MousePress) {
        dismiss();
        return true;
    }
    return false;
}

void CompletionScreen::dismiss() {
    recordResult();
    if (!scores.save(records, std::cout).empty() && !showingSaveProblem) {
        showingSaveProblem = true;
        return;
    }
    showingSaveProblem = false;
    ui.popScreen();
    entered = true;
}

#pragma once

#include <array>
#include <string>

#include "app/Widget.h"
#include "missions/Records.h"

class Mission;
class ScoreFile;
struct RunResult;
struct World;

// Announces the medal and the score breakdown of a won run, shown on top of
// the game screen. Dismissing it records the best score and program of the
// current mission and rewrites the score file.
class CompletionScreen : public Widget {
public:
    // Results go to `records`, which are written to `scores`.
    CompletionScreen(Ui& ui, World& world, Records& records, ScoreFile& scores);

    void update() override;
    void draw() override;
    bool handleEvent(const InputEvent& event) override;

    // Records the result, saves and pops this screen. A save that fails
    // keeps the screen up once more, saying why; the next dismissal tries
    // again and goes on either way (the result stays in memory).
    void dismiss();
    // Keeps the last run of the current mission as its best when it is the
    // first win or scores no worse than the best (a tie takes the new program).
    void recordResult();
    // Records a result still on show, so that closing the window on this
    // screen keeps the win; does nothing when another screen is current.
    void recordIfShown();

private:
    World& world;
    Records& records;
    ScoreFile& scores;
    bool showingSaveProblem = false;
};

// The medal a won run earns with `score`: 1 bronze, 2 silver, 3 gold.
int runMedal(const Mission& mission, const RunResult& run);
// "You got a GOLD medal." and the like.
std::string medalSentence(int medal);
// A run that beats `best` so far (0: the first win).
bool isNewBest(const RunResult& run, float best);
// The best score once this run is counted.
float bestAfterRun(const RunResult& run, float best);
// How far the run's score is above the next better medal's limit, as
// "0.10 from gold"; empty for gold.
std::string medalGap(const Mission& mission, const RunResult& run);
// "New best!" and the gap to the next medal, as far as either applies.
std::string resultNotes(const Mission& mission, const RunResult& run, float best);
// The five-line score breakdown of the current mission's last run.
std::string scoreBreakdown(const Mission& mission, const RunResult& run);
// The three parts of a score in hundredths, each rounded up or down so that
// together they make `total` rounded to hundredths.
std::array<long, 3> shownHundredths(const std::array<float, 3>& parts, float total);

#pragma once

class Mission;
struct Ui;

// The medal panel of `mission`: the gold and silver limits and `best` (0:
// none yet), each under its icon and label, with a word on which way is
// good, just above the choices of the briefing and completion screens.
void drawMedalTargets(const Ui& ui, const Mission& mission, float best);

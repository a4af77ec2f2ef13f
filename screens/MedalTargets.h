#pragma once

// The medal panel of the current mission (`app.world.mission`): the gold and
// silver limits and the best score, each under its icon and label, with a
// word on which way is good, just above the choices of the briefing and
// completion screens. Draws nothing without a current mission.
void drawMedalTargets();
// The same with `best` (0: none yet) in the best column.
void drawMedalTargets(float best);

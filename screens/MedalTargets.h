#pragma once

// The medal panel of the current mission (`app.world.mission`): the gold and
// silver limits and the best score, each under its icon, just above the
// choices of the briefing and completion screens. Draws nothing without a
// current mission.
void drawMedalTargets();

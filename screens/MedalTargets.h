#pragma once

#include "render/Vec2f.h"

class Mission;
class TextureCache;
struct Ui;

// The medal panel of `mission`: the gold and silver limits and `best` (0:
// none yet), each under its icon and label, with a word on which way is
// good, just above the choices of the briefing and completion screens.
void drawMedalTargets(const Ui& ui, const Mission& mission, float best);
// In white, left of a menu item at `at`: the little gold, silver and bronze
// medals that `medal` (0 none .. 3 gold) takes in.
void drawMedalIcons(TextureCache& textures, int medal, Vec2f at);

#pragma once

// The longest a run may fly without winning or failing: 100 000 steps, a
// little over a day of game time. The game screen ends such a run as "Out of
// time", its flight preview draws no further, F1 scores it as a miss, and
// astrello-run stops there unless told otherwise, so a program that wins in
// one of them wins in all.
constexpr long flightHorizon = 100000;  // steps

#pragma once

// How many steps one update of a run flies. At normal speed 10. Turbo starts
// at 100 and, while nothing happens (no instruction begins), doubles every
// half second up to 100 x 256, so that a long quiet coast is over in seconds;
// an instruction beginning brings it back to 100, where the player can see it.
class TurboPace {
public:
    static constexpr int normalSteps = 10;
    static constexpr int turboSteps = 100;
    static constexpr int quietUpdates = 10;  // updates of nothing before the next doubling
    static constexpr int maxBoost = 256;

    // Steps for the next update, in turbo or not.
    int steps(bool turbo) const { return turbo ? turboSteps * boost : normalSteps; }
    // After an update: whether an instruction began in it.
    void updated(bool turbo, bool instructionBegan);
    void reset() { *this = TurboPace(); }
    int factor() const { return boost; }

private:
    int boost = 1;
    int quiet = 0;
};

#include "screens/TurboPace.h"

void TurboPace::updated(bool turbo, bool instructionBegan) {
    if (!turbo || instructionBegan) {
        reset();
        return;
    }
    if (++quiet < quietUpdates) return;
    quiet = 0;
    if (boost < maxBoost) boost *= 2;
}

#include "app/Application.h"

#include <ctime>

#include "missions/Mission.h"

namespace {

constexpr int starCount = 1000;

// After the application (whose star field draws from the generator in its
// default state, so the first star field is the same on every start), seed
// the generator from the calendar time and throw away its first outputs.
struct RandomSeeder {
    RandomSeeder() {
        app.random.seed(static_cast<uint32_t>(std::time(nullptr)));
        app.random.discard(100);
    }
};

}  // namespace

Application::Application() : stars(starCount, random) {}

// Screens and fonts live until the process ends; the missions are freed here
// only so that leak checkers see a clean exit.
Application::~Application() {
    for (auto& entry : missions) delete entry.second;
}

// Definition order matters: the application first, then the seeding.
Application app;
static RandomSeeder randomSeeder;

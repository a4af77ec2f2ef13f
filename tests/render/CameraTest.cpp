// The camera frames what the player must see: every body, the ship, and the
// circles the ship must reach or stay inside, wherever they are centred.
#include <gtest/gtest.h>

#include <sstream>

#include "missions/DataMission.h"
#include "missions/MissionFile.h"
#include "render/Camera.h"
#include "sim/World.h"

namespace {

// A planet at the origin, the ship just above it.
const std::string planet =
    "format = 1\ntitle = \"View\"\nreference = \"0\"\n"
    "[briefing]\ntext = \"\"\nobjectives = []\n[medals]\ngold = 1\nsilver = 2\n"
    "[ship]\nposition = [0, 40]\n"
    "[[body]]\nname = \"planet\"\nradius = 20\nmass = 1\nposition = [0, 0]\n"
    "[[body]]\nname = \"marker\"\nradius = 1\nposition = [0, -500]\nsolid = false\n";

// Whether `point` lies in the view the camera frames, `width` by `height` pixels.
bool inView(const Camera& camera, Vec2 point, float width, float height) {
    const double shorter = std::min(width, height);
    const double halfX = 0.5 * width / shorter / camera.scale;
    const double halfY = 0.5 * height / shorter / camera.scale;
    return std::abs(point.x - camera.center.x) <= halfX && std::abs(point.y - camera.center.y) <= halfY;
}

}  // namespace

TEST(Camera, HoldRingsAndGoalCirclesStayInViewButFarCeilingsDoNotShrinkIt) {
    const struct {
        const char* what;
        std::string part;
        Vec2 point;  // a point of the circle
        bool shown;
    } cases[] = {
        {"a hold ring around a point", "[[objective]]\nkind = \"hold\"\npoint = [600, 0]\nouter = 100\nsteps = 5\n",
         Vec2(700, 0), true},
        {"a visit circle around a small marker", "[[objective]]\nkind = \"visit\"\nbodies = [\"marker\"]\nradius = 80\n",
         Vec2(0, -580), true},
        {"a ceiling far out", "[[objective]]\nkind = \"launch\"\n[[failure]]\nkind = \"beyond\"\npoint = [0, 0]\nradius = 5000\n",
         Vec2(0, -1500), false},
        {"a circle to leave, far out", "[[objective]]\nkind = \"leave\"\nbody = \"planet\"\nradius = 3000\n",
         Vec2(0, -1500), false},
    };
    for (const auto& c : cases) {
        MissionDef def;
        std::ostringstream log;
        ASSERT_TRUE(readMissionText(planet + c.part, "v.toml", def, log)) << log.str();
        DataMission mission(def);
        World world;
        world.mission = &mission;
        world.reset();
        for (auto [width, height] : {std::pair(1280.0f, 720.0f), std::pair(600.0f, 900.0f)}) {
            const Camera camera = frameCamera(world, width, height, Camera());
            EXPECT_EQ(inView(camera, c.point, width, height), c.shown) << c.what << " " << width;
            EXPECT_TRUE(inView(camera, Vec2(0, -501), width, height)) << c.what;  // the marker
        }
    }
}

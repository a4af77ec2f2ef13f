#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Application.h"
#include "missions/Mission.h"
#include "render/Mesh.h"
#include "render/Texture.h"
#include "screens/SpaceView.h"
#include "screens/GameScreen.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "tests/support/GlTestWindow.h"
#include "tests/support/PlaySeam.h"

namespace {

constexpr double pi = 3.141592653589793;

// Where a mission draws its goals, in world units: circles around a body's
// current position (or the origin), or the two edges of a sector fixed to
// the turning planet.
struct Goal {
    int body;  // -1: the origin
    double radius;
    Vec2 offset = Vec2(0, 0);
    double sector = 0;  // sector width in radians; 0 for a circle
};

struct MissionView {
    const char* name;
    std::vector<Goal> goals;
    // A ship position that meets (or is meeting) an objective, and the goal
    // colours that follow, one letter per goal: R red, G green, - unchecked.
    bool canMeet;
    Vec2 meetAt;
    const char* metColours;
};

Goal circle(int body, double radius) { return Goal{body, radius}; }

const std::vector<MissionView>& missionViews() {
    static const std::vector<MissionView> views = {
        {"Thrust", {circle(0, 50)}, false, {}, "R"},
        {"Turn", {circle(0, 50)}, false, {}, "R"},
        {"Turn II", {circle(0, 50), circle(1, 50)}, true, {400, 0}, "GR"},
        {"Turn III",
         {circle(0, 50), circle(1, 50), circle(2, 50), circle(3, 50)},
         true,
         {400, 200},
         "RGRR"},
        {"Moving Start", {circle(0, 50), circle(1, 50)}, true, {700, 300}, "RG"},
        {"Spinning Start", {circle(0, 50), circle(1, 50)}, true, {0, 400}, "GR"},
        {"First Launch", {circle(0, 100)}, true, {350, 200}, "G"},
        {"Bigger Launch", {circle(0, 190)}, true, {450, 200}, "G"},
        {"Escape Velocity", {circle(0, 3070)}, false, {}, "R"},
        {"Opposite Side", {Goal{0, 16, Vec2(-70, 0)}}, false, {}, "R"},
        {"First Orbit", {circle(0, 200), circle(0, 300)}, true, {450, 200}, "GG"},
        {"Lunar Landing", {}, false, {}, ""},
        {"Change of Orbit", {circle(0, 100), circle(0, 150)}, true, {325, 200}, "GG"},
        {"The Sky is the Limit", {circle(0, 200)}, false, {}, "R"},
        {"Orbital Insertion", {circle(0, 100), circle(0, 150)}, true, {125, 0}, "GG"},
        {"Spin Cycle", {circle(0, 150), circle(0, 250)}, true, {200, 0}, "GG"},
        {"Geostationary",
         {Goal{0, 0, Vec2(0, 0), pi / 4}},
         true,
         {150 * std::cos(pi / 8), 150 * std::sin(pi / 8)},
         "G"},
        {"Geostationary II",
         {Goal{0, 0, Vec2(0, 0), pi / 8}},
         true,
         {150 * std::cos(pi / 16), 150 * std::sin(pi / 16)},
         "G"},
        {"Binary Center", {circle(-1, 50)}, true, {0, 0}, "G"},
        {"Lunar Orbit", {circle(1, 50), circle(1, 200)}, true, {0, -580}, "GG"},
        {"Binary Orbit", {circle(-1, 300), circle(-1, 500)}, true, {0, 400}, "GG"},
    };
    return views;
}

bool reddish(Rgba p) { return p.r >= 60 && p.g * 3 <= p.r && p.b * 3 <= p.r; }
bool greenish(Rgba p) { return p.g >= 60 && p.r * 3 <= p.g && p.b * 3 <= p.g; }

struct Point {
    double x, y;
};

// The spaceView's world transform, as the camera states it.
class Camera {
public:
    explicit Camera(const SpaceView& spaceView) : spaceView(spaceView) {
        w = spaceView.max.x - spaceView.min.x;
        h = spaceView.max.y - spaceView.min.y;
        s = std::min(w, h) * app.world.viewScale;
    }
    Point toWindow(Vec2 p) const {
        return {spaceView.min.x + w / 2 + (p.x - app.world.viewCenter.x) * s,
                spaceView.min.y + h / 2 + (p.y - app.world.viewCenter.y) * s};
    }
    double pixels(double units) const { return units * s; }
    bool insideView(Point p, double margin) const {
        return p.x - margin >= spaceView.min.x && p.x + margin <= spaceView.max.x &&
               p.y - margin >= spaceView.min.y && p.y + margin <= spaceView.max.y;
    }
    // Inside a solid body or the ship, which cover what is drawn before them.
    bool covered(Point p) const {
        auto under = [&](Vec2 centre, double radius) {
            Point c = toWindow(centre);
            return std::hypot(p.x - c.x, p.y - c.y) <= pixels(radius) + 4;
        };
        for (const Body* body : app.world.bodies) {
            if (body->solid && under(body->position, body->radius)) return true;
        }
        return under(app.world.rocket->position, app.world.rocket->radius);
    }

private:
    const SpaceView& spaceView;
    double w, h, s;
};

// Window points along a goal's drawing that nothing covers (or, with
// `covered` set, all those in view).
std::vector<Point> goalSamples(const Goal& goal, const Camera& camera, bool covered = false) {
    Vec2 centre = goal.body < 0 ? Vec2(0, 0) : app.world.bodies[goal.body]->position;
    centre = centre + goal.offset;
    std::vector<Vec2> along;
    if (goal.sector > 0) {
        double theta = app.world.bodies[goal.body]->angle;
        for (double edge : {theta, theta + goal.sector})
            for (double d = 105; d < 400; d += 10)  // between the distance rings
                along.push_back(centre + Vec2(std::cos(edge), std::sin(edge)) * d);
    } else {
        for (int k = 0; k < 96; ++k) {
            double a = 2 * pi * (k + 0.5) / 96;
            along.push_back(centre + Vec2(std::cos(a), std::sin(a)) * goal.radius);
        }
    }
    std::vector<Point> samples;
    for (Vec2 p : along) {
        Point q = camera.toWindow(p);
        if (camera.insideView(q, 4) && (covered || !camera.covered(q))) samples.push_back(q);
    }
    return samples;
}

// 'R' or 'G' when nearly every sample shows that colour, else '?';
// '-' when too little of the goal is in view to judge.
char goalColour(const Image& image, const std::vector<Point>& samples) {
    if (samples.size() < 8) return '-';
    int red = 0, green = 0;
    for (Point q : samples) {
        PixelRect around{int(q.x) - 2, int(q.y) - 2, 5, 5};
        red += image.countPixels(around, reddish) > 0;
        green += image.countPixels(around, greenish) > 0;
    }
    int n = int(samples.size());
    if (red * 10 >= n * 8 && green * 20 <= n) return 'R';
    if (green * 10 >= n * 8 && red * 20 <= n) return 'G';
    return '?';
}

std::string goalColours(const Image& image, const MissionView& view, const Camera& camera) {
    std::string colours;
    for (const Goal& goal : view.goals) colours += goalColour(image, goalSamples(goal, camera));
    return colours;
}

// "R" for every goal in view, "-" for goals out of view.
std::string allRed(const MissionView& view) { return std::string(view.goals.size(), 'R'); }

std::string slug(const std::string& name) {
    std::string s;
    for (char c : name) s += c == ' ' ? '_' : char(std::tolower(c));
    return s;
}

class SpaceViewDrawTest : public ::testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        app.textures.headless = false;
        openTestWindow(GetParam().first, GetParam().second);
    }
    void TearDown() override { leavePlay(); }

    // The screen stopped and framed as the player sees it while editing.
    Image show() {
        GameScreen& screen = *app.gameScreen;
        screen.update();
        screen.draw();  // the view learns its size
        screen.update();
        screen.draw();
        return readPixels();
    }
    // Kept for a person to look at when ASTRELLO_SCREENSHOT_DIR is set.
    static void keepScreenshot(const std::string& mission, const char* state) {
        saveScreenshotIfAsked(slug(mission) + "_" + state + "_" + std::to_string(app.width) + "x" +
                              std::to_string(app.height));
    }
};

TEST_P(SpaceViewDrawTest, EveryMissionIsFramedWholeWithItsGoalsRedBeforeAndGreenWhenMet) {
    for (const MissionView& view : missionViews()) {
        SCOPED_TRACE(view.name);
        GameScreen& screen = enterMission(view.name);
        Image image = show();
        keepScreenshot(view.name, "start");
        Camera camera(*screen.spaceView);

        for (const Body* body : app.world.bodies) {
            Point c = camera.toWindow(body->position);
            EXPECT_TRUE(camera.insideView(c, camera.pixels(body->radius)))
                << "body at " << body->position.x << ", " << body->position.y;
        }
        Point ship = camera.toWindow(app.world.rocket->position);
        EXPECT_TRUE(camera.insideView(ship, camera.pixels(app.world.rocket->radius)));

        std::string before = goalColours(image, view, camera);
        std::string expected = allRed(view);
        for (size_t i = 0; i < before.size(); ++i)
            if (before[i] == '-') expected[i] = '-';  // out of view (the escape circle)
        EXPECT_EQ(before, expected);
        for (size_t i = 0; i < before.size(); ++i) {
            // Only a goal drawn too small to see past its planet, or one
            // around the whole system (the escape circle), may go unjudged.
            double size = camera.pixels(view.goals[i].radius);
            bool outOfView = goalSamples(view.goals[i], camera, true).empty();
            EXPECT_TRUE(before[i] != '-' || size < 16 || outOfView) << "goal " << i;
        }

        if (!view.canMeet) continue;
        Rocket& rocket = *app.world.rocket;
        rocket.landed = false;
        rocket.velocity = Vec2(0, 0);
        rocket.position = view.meetAt;
        app.world.mission->update(app.world);
        image = show();
        keepScreenshot(view.name, "met");
        std::string met = goalColours(image, view, Camera(*screen.spaceView));
        std::string expectedMet = view.metColours;
        for (size_t i = 0; i < met.size(); ++i)
            if (met[i] == '-' && camera.pixels(view.goals[i].radius) < 16) expectedMet[i] = '-';
        EXPECT_EQ(met, expectedMet);
    }
}

// How many pixels differ clearly between two renderings, inside and
// outside a disc around a window point.
struct Change {
    int inside = 0, insideTotal = 0, outside = 0;
};
Change changeAround(const Image& a, const Image& b, Point centre, double radius) {
    Change change;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            Rgba u = a.pixel(x, y), v = b.pixel(x, y);
            bool changed = std::abs(u.r - v.r) + std::abs(u.g - v.g) + std::abs(u.b - v.b) > 30;
            bool inside = std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y) <= radius;
            change.inside += inside && changed;
            change.insideTotal += inside;
            change.outside += !inside && changed;
        }
    return change;
}

// Bodies and ship appear exactly where the camera puts them: drawing one of
// them without its mesh changes the picture only inside its own disc.
TEST_P(SpaceViewDrawTest, BodiesAndShipAreDrawnWhereTheCameraPutsThem) {
    for (const char* mission : {"First Launch", "Lunar Orbit", "Binary Orbit", "Spin Cycle"}) {
        SCOPED_TRACE(mission);
        GameScreen& screen = enterMission(mission);
        Image whole = show();
        Camera camera(*screen.spaceView);
        auto withoutMesh = [&](Mesh*& mesh) {
            Mesh* kept = mesh;
            mesh = nullptr;  // the goals, which refer to the bodies, still draw
            screen.draw();
            mesh = kept;
            return readPixels();
        };
        for (Body* body : app.world.bodies) {
            if (!body->mesh) continue;
            Image without = withoutMesh(body->mesh);
            Point centre = camera.toWindow(body->position);
            double r = camera.pixels(body->radius);
            Change core = changeAround(whole, without, centre, 0.7 * r);
            EXPECT_GE(core.inside * 2, core.insideTotal) << "body " << body->radius;
            EXPECT_EQ(changeAround(whole, without, centre, r + 2).outside, 0);
        }
        Rocket& rocket = *app.world.rocket;
        Image without = withoutMesh(rocket.mesh);
        Change ship = changeAround(whole, without, camera.toWindow(rocket.position),
                                   camera.pixels(rocket.radius) * 1.5 + 2);
        EXPECT_GT(ship.inside, 0);
        EXPECT_EQ(ship.outside, 0);
    }
}

// The backdrop shows the image at one texel per pixel, repeated from the
// view's lower-left corner, whatever the view's size.
TEST_P(SpaceViewDrawTest, TheBackdropTilesAtItsOwnPixelSizeFromTheLowerLeftCorner) {
    GameScreen& screen = enterMission("Lunar Landing");
    app.world.viewScale = 0;  // no scene: only the backdrop and the frame
    screen.spaceView->min = Vec2f(0, 32);
    screen.spaceView->max = Vec2f(float(app.width - 256), float(app.height));
    usePixelProjection();
    clearWindow();
    screen.spaceView->draw();
    Image image = readPixels();

    const Texture* backdrop = getTexture("images/space1.png");
    int tw = int(backdrop->width), th = int(backdrop->height);
    ASSERT_GT(tw, 0);
    std::vector<uint8_t> texels(size_t(backdrop->texWidth) * backdrop->texHeight * 4);
    glBindTexture(GL_TEXTURE_2D, backdrop->glName);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());

    int w = app.width - 256, h = app.height - 32;
    int compared = 0, equal = 0;
    for (int y = 3; y < h - 3; y += 5)
        for (int x = 3; x < w - 3; x += 7) {
            const uint8_t* t = &texels[(size_t(y % th) * backdrop->texWidth + x % tw) * 4];
            Rgba p = image.pixel(x, 32 + y);
            auto close = [&](int drawn, int texel) {
                return std::abs(drawn - texel * t[3] / 255) <= 2;  // blended over black
            };
            ++compared;
            equal += close(p.r, t[0]) && close(p.g, t[1]) && close(p.b, t[2]);
        }
    EXPECT_GE(equal * 1000, compared * 999) << equal << " of " << compared;
    EXPECT_GT(image.countPixels(PixelRect{0, 32, w, h}, isLit), 0);
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, SpaceViewDrawTest,
                         ::testing::Values(std::make_pair(1280, 720), std::make_pair(1024, 768),
                                           std::make_pair(640, 800)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

}  // namespace

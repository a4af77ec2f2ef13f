// check-mission as a mission's author meets it: each table row is the files
// checked and the exact lines and exit code they get. Exit 0 must mean the
// game will play the mission: the files it names draw and its reference wins
// within the game's horizon.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "missions/Missions.h"
#include "tests/support/MissionText.h"
#include "tools/run/MissionCheckCommand.h"

namespace fs = std::filesystem;

namespace {

const std::string& base = missionText;

// The goal marker with one more key, on line 17.
std::string goalWith(const std::string& key) {
    return replaced("solid = false", "solid = false\n" + key);
}

// A planet the goal marker does not touch: lines 21 to 24 after the file.
std::string planetAt(const std::string& position) {
    return "[[body]]\nradius = 30\nmass = 0\nposition = " + position + "\n";
}

const std::string result = "mission=Test result=won time=5933 score=118.330002 ";

// A data folder of its own: the campaign of the source tree, the game's
// models, and damaged files beside them.
class CheckMission : public testing::Test {
protected:
    void SetUp() override {
        const fs::path source = ASTRELLO_SOURCE_DIR;
        fs::create_directories(data / "models");
        fs::create_directory_symlink(source / "campaign", data / "campaign");
        for (const char* name : {"earth_test.obj", "earth_tex.png"})
            fs::copy_file(source / "models" / name, data / "models" / name);
        std::ifstream image(source / "models/earth_tex.png", std::ios::binary);
        const std::string png{std::istreambuf_iterator<char>(image), {}};
        std::ofstream(data / "models/cut.png", std::ios::binary) << png.substr(0, png.size() / 2);
        const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
        std::ofstream(data / "models/flat.obj") << triangle << "f 1 2 3\n";
        std::ofstream(data / "models/stray.obj") << triangle << "f 1 2 4\n";
    }
    void TearDown() override {
        fs::remove_all(data);
    }

    // The command's exit code, then its standard output and error.
    struct Outcome {
        int code;
        std::string out, err;
    };
    Outcome check(const std::vector<std::pair<std::string, std::string>>& files) {
        RunArgs args;
        for (const auto& [name, text] : files) {
            std::ofstream(data / name) << text;
            args.push_back((data / name).string());
        }
        RunContext run(data.string());
        std::ostringstream out, err;
        const int code = checkMissionCommand(run, args, out, err);
        std::string errors = err.str();
        for (size_t at; (at = errors.find(data.string() + "/")) != std::string::npos;)
            errors.erase(at, data.string().size() + 1);
        return {code, out.str(), errors};
    }

    const fs::path data = fs::temp_directory_path() / ("astrello-check-" + std::to_string(getpid()));
};

}  // namespace

TEST_F(CheckMission, EachFileGetsItsLinesAndTheExitCodeSaysWhetherTheGameCanPlayIt) {
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        int code;
        std::string out;  // the start of the result lines, one per flown file
        std::string err;
    } cases[] = {
        {"a sound file's reference wins", {{"t.toml", base}}, 0, result, ""},
        {"models and textures that draw pass",
         {{"t.toml", base + planetAt("[0, 900]") +
                         "model = \"models/earth_test.obj\"\ntexture = \"models/earth_tex.png\"\n"}},
         0, result, ""},
        {"a misspelt model is refused at its key",
         {{"t.toml", goalWith("model = \"models/eart_test.obj\"")}}, 2, "",
         "ERROR: t.toml:17: body[1] model: 'models/eart_test.obj' cannot be opened\n"},
        {"a texture that is not an image is refused",
         {{"t.toml", goalWith("texture = \"models/earth_test.obj\"")}}, 2, "",
         "ERROR: t.toml:17: body[1] texture: 'models/earth_test.obj' is not a PNG image\n"},
        {"a cut-off image is refused",
         {{"t.toml", goalWith("texture = \"models/cut.png\"")}}, 2, "",
         "ERROR: t.toml:17: body[1] texture: 'models/cut.png' does not decode: the file ends too "
         "soon\n"},
        {"an image named as a model is refused",
         {{"t.toml", goalWith("model = \"models/earth_tex.png\"")}}, 2, "",
         "ERROR: t.toml:17: body[1] model: 'models/earth_tex.png' is not an OBJ model the game "
         "can draw: holds no triangles\n"},
        {"a model without a skin for its texture is refused",
         {{"t.toml", goalWith("model = \"models/flat.obj\"\ntexture = \"models/earth_tex.png\"")}},
         2, "",
         "ERROR: t.toml:17: body[1] model: 'models/flat.obj' is not an OBJ model the game can "
         "draw: has no texture coordinates for its skin\n"},
        {"a model without a texture needs no skin", {{"t.toml", goalWith("model = \"models/flat.obj\"")}},
         0, result, ""},
        {"a model whose faces point outside it is refused",
         {{"t.toml", goalWith("model = \"models/stray.obj\"")}}, 2, "",
         "ERROR: t.toml:17: body[1] model: 'models/stray.obj' is not an OBJ model the game can "
         "draw: 1 corners with a position index outside the list\n"},
        {"a folder named as a texture is refused",
         {{"t.toml", goalWith("texture = \"models\"")}}, 2, "",
         "ERROR: t.toml:17: body[1] texture: 'models' is not a file\n"},
        {"a reference that wins only past the horizon is refused, naming it",
         {{"t.toml", replaced("1 T 59", "2 S 110 T 59")}}, 1,
         "mission=Test result=timeout time=100000 ",
         "ERROR: t.toml:3: reference: wins only at 115934 s, past the game's horizon of 100000 s, "
         "where every run stops\n"},
        {"a reference that never wins is refused",
         {{"t.toml", replaced("1 T 59", "0")}}, 1, "mission=Test result=timeout ",
         "ERROR: t.toml:3: reference: does not win within the game's horizon of 100000 s, where "
         "every run stops\n"},
        {"a reference that fails says why",
         {{"t.toml", base + "[[failure]]\nkind = \"time_limit\"\nsteps = 100\n"}}, 1,
         "mission=Test result=failed ",
         "ERROR: t.toml:3: reference: does not win: it failed, took longer than 100 s\n"},
        {"gold out of the reference's reach is a warning",
         {{"t.toml", replaced("gold = 120", "gold = 110")}}, 0, result,
         "WARNING: t.toml:8: medals.gold: 110 is below the reference program's own score of "
         "118.33, so that program earns silver\n"},
        {"solid bodies overlapping at the start are a warning",
         {{"t.toml", base + planetAt("[0, 900]") + planetAt("[0, 950]")}}, 0, result,
         "WARNING: t.toml:25: body[3] overlaps body[2] at the start: their centres are 50 apart, "
         "their radii add up to 60\n"},
        {"solid bodies that touch, and markers inside planets, are no warning",
         {{"t.toml", base + planetAt("[0, 900]") + planetAt("[0, 960]") + planetAt("[400, 0]")}},
         0, result, ""},
        {"two files of one title: a warning on the second",
         {{"a.toml", base}, {"b.toml", base}}, 0, result + "@" + result,
         "WARNING: b.toml:2: title: 'Test' is also the title of a.toml; the game plays only one of "
         "them\n"},
        {"a bad file does not stop the others",
         {{"a.toml", replaced("radius = 10", "radius = 0")}, {"b.toml", base}}, 2, result,
         "ERROR: a.toml:14: body[1] radius: 0 is impossible; it must be more than 0\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = check(c.files);
        EXPECT_EQ(o.code, c.code) << c.what << "\n" << o.err;
        // The result lines: each starts as given ("@" between files).
        std::istringstream lines(o.out), wanted(c.out);
        std::string line, start;
        while (std::getline(wanted, start, '@')) {
            ASSERT_TRUE(std::getline(lines, line)) << c.what;
            EXPECT_EQ(line.substr(0, start.size()), start) << c.what;
        }
        EXPECT_FALSE(std::getline(lines, line)) << c.what << ": " << line;
        if (c.err.empty() || c.err.back() == '\n')
            EXPECT_EQ(o.err, c.err) << c.what;
        else
            EXPECT_EQ(o.err.substr(0, c.err.size()), c.err) << c.what << "\n" << o.err;
        for (const auto& file : c.files) fs::remove(data / file.first);
    }
}

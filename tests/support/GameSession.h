#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The real game binary as a player meets it: a private X server, a scratch
// working directory, real X key presses (xdotool), screenshots of the window
// and whatever the game printed or wrote to disk.

using Milliseconds = std::chrono::milliseconds;

// A screenshot as the X server shows it: rows top-down, origin top-left.
struct Screenshot {
    struct Rgb {
        uint8_t r = 0, g = 0, b = 0;
    };
    int width = 0, height = 0;
    std::vector<Rgb> pixels;

    Rgb at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    // Pixels of the rectangle (cut to the image) that pass `test`.
    int count(int x, int y, int w, int h, const std::function<bool(Rgb)>& test) const;
};

struct GameSetup {
    bool images = true;  // link the data folders into the working directory
    bool models = true;
    std::map<std::string, std::string> files;  // name -> bytes, written before the start
    std::vector<std::string> environment;      // extra "NAME=value" entries
    std::vector<std::string> arguments;        // given to the game
    // Called with the game's folder after the files are written: links,
    // FIFOs and folders where files are expected.
    std::function<void(const std::string& folder)> prepare;
    // The largest file the game may write, in bytes (0: no limit), as on a
    // full disk; a larger write fails instead of ending the game.
    long fileSizeLimit = 0;
};

// One run of the game in its own working directory under the current one,
// on its own Xvfb server (so that tests which type into a window never share
// the keyboard focus).
class GameSession {
public:
    GameSession(const std::string& binary, const GameSetup& setup);
    // Kills the game and the server if they still run; removes the directory.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Waits for the game's window to be mapped and gives it the focus.
    bool waitForWindow();
    // xdotool key names separated by spaces ("Return", "space", "t", "1"),
    // pressed one after the other, then a pause for the game to take them.
    void keys(const std::string& names, Milliseconds settle = Milliseconds(300));
    // Runs an xdotool command chain ("key Return sleep 0.3 ..."); what it printed.
    std::string xdotool(const std::string& arguments) const;
    Screenshot screenshot() const;

    std::string output() const;       // standard output so far
    std::string errorOutput() const;  // standard error so far (sanitizer reports)
    int countInOutput(const std::string& text) const;
    bool waitForOutput(const std::string& text, int times = 1,
                       Milliseconds limit = Milliseconds(30000));
    // The exit code, 128 + signal for a killed game, or -1 if it had to be
    // killed because it did not end within `limit`.
    int waitForExit(Milliseconds limit = Milliseconds(30000));
    bool running();
    long residentKiB() const;  // the game's resident memory, 0 once it ended
    std::string readFile(const std::string& name) const;

    std::string folder;
    pid_t pid = -1;
    std::string window;  // X window id, decimal

private:
    std::string display;  // ":N", empty if no server started
    pid_t server = -1;
    int status = -1;
};

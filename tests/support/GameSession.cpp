#include "tests/support/GameSession.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void redirect(int fd, const std::string& path, int flags) {
    int file = open(path.c_str(), flags, 0644);
    if (file >= 0) {
        dup2(file, fd);
        close(file);
    }
}

// The text of a binary PPM (P6, maxval 255) as an image.
bool parsePpm(const std::string& bytes, Screenshot& shot) {
    std::istringstream in(bytes);
    std::string magic;
    int maxval = 0;
    in >> magic >> shot.width >> shot.height >> maxval;
    if (magic != "P6" || maxval != 255 || shot.width <= 0 || shot.height <= 0) return false;
    in.get();  // the single whitespace before the pixels
    size_t start = size_t(in.tellg());
    size_t count = size_t(shot.width) * size_t(shot.height);
    if (bytes.size() < start + count * 3) return false;
    shot.pixels.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const char* p = bytes.data() + start + i * 3;
        shot.pixels[i] = {uint8_t(p[0]), uint8_t(p[1]), uint8_t(p[2])};
    }
    return true;
}

// Starts Xvfb on display `number`; its pid, or -1. The server writes the
// number to the pipe once it accepts clients; a taken number makes it exit.
pid_t startXvfb(int number, const std::string& screen) {
    int ends[2];
    if (pipe(ends) != 0) return -1;
    pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        redirect(STDOUT_FILENO, "/dev/null", O_WRONLY);
        redirect(STDERR_FILENO, "/dev/null", O_WRONLY);
        std::string display = ":" + std::to_string(number), fd = std::to_string(ends[1]);
        // -noreset: a server resets when its last client leaves, and a game
        // connecting during the reset found no X display and opened no window.
        execlp("Xvfb", "Xvfb", display.c_str(), "-displayfd", fd.c_str(), "-screen", "0",
               screen.c_str(), "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    std::string reported;
    pollfd ready{ends[0], POLLIN, 0};
    char c;
    while (poll(&ready, 1, 20000) > 0 && read(ends[0], &c, 1) == 1 && c != '\n') reported += c;
    close(ends[0]);
    if (pid > 0 && reported != std::to_string(number)) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

}  // namespace

// Display numbers are drawn from a wide range rather than taken lowest
// first: X servers of other sandboxes sharing /tmp would otherwise pick the
// same low numbers and take over each other's sockets.
VirtualDisplay::VirtualDisplay(const std::string& screen) {
    std::srand(unsigned(getpid()) ^ unsigned(time(nullptr)));
    for (int attempt = 0; attempt < 20 && pid <= 0; ++attempt) {
        int number = 1000 + std::rand() % 30000;
        if (fs::exists("/tmp/.X11-unix/X" + std::to_string(number)) ||
            fs::exists("/tmp/.X" + std::to_string(number) + "-lock"))
            continue;
        pid = startXvfb(number, screen);
        if (pid > 0) name = ":" + std::to_string(number);
    }
}

VirtualDisplay::~VirtualDisplay() {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

int Screenshot::count(int x, int y, int w, int h, const std::function<bool(Rgb)>& test) const {
    int n = 0;
    for (int row = std::max(0, y); row < std::min(height, y + h); ++row) {
        for (int col = std::max(0, x); col < std::min(width, x + w); ++col)
            n += test(at(col, row)) ? 1 : 0;
    }
    return n;
}

bool Screenshot::savePpm(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    for (const Rgb& p : pixels) out << char(p.r) << char(p.g) << char(p.b);
    return bool(out);
}

GameSession::GameSession(const VirtualDisplay& screen, const std::string& binary,
                         const GameSetup& setup, const fs::path& parent)
    : display(screen.name) {
    std::string pattern = (parent / "game-XXXXXX").string();
    folder = mkdtemp(&pattern[0]);
    const fs::path data = fs::current_path();
    if (setup.images)
        fs::create_directory_symlink(fs::canonical(data / "images"), folder / "images");
    if (setup.models)
        fs::create_directory_symlink(fs::canonical(data / "models"), folder / "models");
    if (fs::exists(data / "campaign"))
        fs::create_directory_symlink(fs::canonical(data / "campaign"), folder / "campaign");
    for (const auto& [name, bytes] : setup.files)
        std::ofstream(folder / name, std::ios::binary) << bytes;
    pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(126);
        setenv("DISPLAY", display.c_str(), 1);
        // Without an X display the window library would quietly fall back to
        // drawing off screen; the game must fail instead.
        setenv("SDL_VIDEODRIVER", "x11", 1);
        // Under the leak checker the test reads the report itself (see the
        // end-to-end helpers): a report alone must not change the exit code.
        const char* lsan = std::getenv("LSAN_OPTIONS");
        setenv("LSAN_OPTIONS", ((lsan ? std::string(lsan) + ":" : "") + "exitcode=0").c_str(), 1);
        for (const std::string& entry : setup.environment) putenv(strdup(entry.c_str()));
        redirect(STDIN_FILENO, "/dev/null", O_RDONLY);
        redirect(STDOUT_FILENO, "stdout.log", O_WRONLY | O_CREAT | O_TRUNC);
        redirect(STDERR_FILENO, "stderr.log", O_WRONLY | O_CREAT | O_TRUNC);
        execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

GameSession::~GameSession() {
    if (running()) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    if (!std::getenv("ASTRELLO_KEEP_GAME_FOLDERS")) fs::remove_all(folder);
}

std::string GameSession::run(const std::string& command) const {
    std::string output;
    // No helper may hang a test: an X tool waiting on a server that went
    // away, or `import` without a window (it would wait for a click).
    std::string line = "DISPLAY=" + display + " timeout 30 " + command;
    if (FILE* pipe = popen(line.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

bool GameSession::waitForWindow(std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end && running()) {
        std::string found =
            run("xdotool search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null");
        if (!found.empty()) {
            window = found.substr(0, found.find('\n'));
            run("xdotool windowfocus " + window + " 2>/dev/null");
            return true;
        }
        std::this_thread::sleep_for(200ms);
    }
    return false;
}

void GameSession::keys(const std::string& names, std::chrono::milliseconds settle) {
    run("xdotool key --delay 60 " + names);
    std::this_thread::sleep_for(settle);
}

std::string GameSession::xdotool(const std::string& arguments) {
    return run("xdotool " + arguments);
}

Screenshot GameSession::screenshot() {
    Screenshot shot;
    if (window.empty()) return shot;
    if (!parsePpm(run("import -display " + display + " -window " + window + " -depth 8 ppm:-"),
                  shot))
        shot = Screenshot{};
    return shot;
}

bool GameSession::windowSize(int& width, int& height) {
    std::string geometry = run("xdotool getwindowgeometry " + window + " 2>/dev/null");
    size_t at = geometry.find("Geometry: ");
    return at != std::string::npos &&
           std::sscanf(geometry.c_str() + at, "Geometry: %dx%d", &width, &height) == 2;
}

std::string GameSession::output() const { return slurp(folder / "stdout.log"); }
std::string GameSession::errorOutput() const { return slurp(folder / "stderr.log"); }

int GameSession::countInOutput(const std::string& text) const {
    std::string all = output();
    int count = 0;
    for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + text.size()))
        ++count;
    return count;
}

bool GameSession::waitForOutput(const std::string& text, int times,
                                std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (countInOutput(text) < times) {
        if (std::chrono::steady_clock::now() >= end || !running())
            return countInOutput(text) >= times;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

bool GameSession::running() {
    if (pid <= 0 || status != -1) return false;
    if (waitpid(pid, &status, WNOHANG) == pid) return false;
    status = -1;
    return true;
}

int GameSession::waitForExit(std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (running()) {
        if (std::chrono::steady_clock::now() >= end) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(50ms);
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

long GameSession::residentKiB() const {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return 0;
}

std::string GameSession::readFile(const std::string& name) const { return slurp(folder / name); }
bool GameSession::fileExists(const std::string& name) const { return fs::exists(folder / name); }

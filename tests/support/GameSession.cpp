#include "tests/support/GameSession.h"
#include "tests/support/FileBytes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

void redirect(int fd, const char* path, int flags) {
    int file = open(path, flags, 0644);
    if (file >= 0) {
        dup2(file, fd);
        close(file);
    }
}

// Runs a shell command against `display`. No helper may hang a test: an X
// tool waiting on a server that went away, or `import` without a window.
std::string run(const std::string& display, const std::string& command) {
    std::string output;
    FILE* pipe = popen(("DISPLAY=" + display + " timeout 30 " + command).c_str(), "r");
    char buffer[4096];
    for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    if (pipe) pclose(pipe);
    return output;
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

int Screenshot::count(int x, int y, int w, int h, const std::function<bool(Rgb)>& test) const {
    int n = 0;
    for (int row = std::max(0, y); row < std::min(height, y + h); ++row)
        for (int col = std::max(0, x); col < std::min(width, x + w); ++col) n += test(at(col, row));
    return n;
}

// Display numbers are drawn from a wide range rather than taken lowest
// first: X servers of other sandboxes sharing /tmp would otherwise pick the
// same low numbers and take over each other's sockets.
GameSession::GameSession(const std::string& binary, const GameSetup& setup) {
    std::srand(unsigned(getpid()) ^ unsigned(time(nullptr)));
    for (int attempt = 0; attempt < 20 && server <= 0; ++attempt) {
        const std::string number = std::to_string(1000 + std::rand() % 30000);
        if (fs::exists("/tmp/.X11-unix/X" + number) || fs::exists("/tmp/.X" + number + "-lock"))
            continue;
        server = startXvfb(std::stoi(number), "1920x1200x24");
        if (server > 0) display = ":" + number;
    }
    std::string pattern = (fs::current_path() / "game-XXXXXX").string();
    folder = mkdtemp(&pattern[0]);
    for (auto [wanted, data] : {std::pair{setup.images, "images"}, {setup.models, "models"}})
        if (wanted) fs::create_directory_symlink(fs::canonical(data), fs::path(folder) / data);
    if (fs::exists("campaign"))
        fs::create_directory_symlink(fs::canonical("campaign"), fs::path(folder) / "campaign");
    for (const auto& [name, bytes] : setup.files) writeFile(folder + "/" + name, bytes);
    if (setup.prepare) setup.prepare(folder);
    std::vector<char*> argv = {const_cast<char*>(binary.c_str())};
    for (const std::string& argument : setup.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
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
        if (setup.fileSizeLimit > 0) {
            signal(SIGXFSZ, SIG_IGN);
            // The hard limit stays, so that the test can lift the soft one later.
            struct rlimit limit;
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = rlim_t(setup.fileSizeLimit);
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
}

GameSession::~GameSession() {
    if (running()) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
    if (!std::getenv("ASTRELLO_KEEP_GAME_FOLDERS")) fs::remove_all(folder);
}

bool GameSession::waitForWindow() {
    for (int i = 0; i < 300 && running(); ++i) {
        std::string found =
            xdotool("search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null");
        if (!found.empty()) {
            window = found.substr(0, found.find('\n'));
            xdotool("windowfocus " + window + " 2>/dev/null");
            return true;
        }
        std::this_thread::sleep_for(200ms);
    }
    return false;
}

void GameSession::keys(const std::string& names, Milliseconds settle) {
    xdotool("key --delay 60 " + names);
    std::this_thread::sleep_for(settle);
}

std::string GameSession::xdotool(const std::string& arguments) const {
    return run(display, "xdotool " + arguments);
}

// The window as a binary PPM (P6, maxval 255).
Screenshot GameSession::screenshot() const {
    Screenshot shot;
    if (window.empty()) return shot;
    const std::string bytes = run(display, "import -window " + window + " -depth 8 ppm:-");
    std::istringstream in(bytes);
    std::string magic;
    int maxval = 0;
    in >> magic >> shot.width >> shot.height >> maxval;
    const size_t start = size_t(in.tellg()) + 1, count = size_t(shot.width) * size_t(shot.height);
    if (magic != "P6" || maxval != 255 || shot.width <= 0 || bytes.size() < start + count * 3)
        return Screenshot{};
    static_assert(sizeof(Screenshot::Rgb) == 3, "pixels are copied as the file's bytes");
    shot.pixels.resize(count);
    std::memcpy(shot.pixels.data(), bytes.data() + start, count * 3);
    return shot;
}

std::string GameSession::output() const { return readFile("stdout.log"); }
std::string GameSession::errorOutput() const { return readFile("stderr.log"); }
std::string GameSession::readFile(const std::string& name) const {
    return ::readFile(folder + "/" + name);
}

int GameSession::countInOutput(const std::string& text) const {
    std::string all = output();
    int count = 0;
    for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + text.size()))
        ++count;
    return count;
}

bool GameSession::waitForOutput(const std::string& text, int times, Milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (countInOutput(text) < times && running() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(50ms);
    return countInOutput(text) >= times;
}

bool GameSession::running() {
    if (pid <= 0 || status != -1) return false;
    if (waitpid(pid, &status, WNOHANG) == pid) return false;
    status = -1;
    return true;
}

int GameSession::waitForExit(Milliseconds limit) {
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
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

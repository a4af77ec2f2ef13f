#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

// A fresh working directory for one test, with the game's data folders
// linked in, so that files written there ("save.dat") never collide with
// other tests running at the same time.
class ScratchDirectory {
public:
    ScratchDirectory() : previous(std::filesystem::current_path()) {
        std::string pattern = (previous / "scratch-XXXXXX").string();
        path = mkdtemp(&pattern[0]);
        for (const char* data : {"images", "models", "campaign"}) {
            if (std::filesystem::exists(previous / data)) {
                std::filesystem::create_directory_symlink(
                    std::filesystem::canonical(previous / data), path / data);
            }
        }
        std::filesystem::current_path(path);
    }
    ~ScratchDirectory() {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(path);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::filesystem::path previous;
    std::filesystem::path path;
};


// Runs the rest of a scope in another working directory (the game reads data/ and data.dat
// from its own), and goes back afterwards.
#pragma once

#include <filesystem>

namespace kvtest {

class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& here) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(here);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;
    ~WorkingDirectory() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

}  // namespace kvtest

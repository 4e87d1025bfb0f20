// The benchmark's working directory: a fresh temporary directory with data/ linked to the game's
// data, where the game may write data.dat without touching the build.
#pragma once

#include <filesystem>
#include <string>

namespace bench {

class WorkDirectory {
public:
    // Links data/ to dataDir and enters the new directory; throws when either fails.
    explicit WorkDirectory(const std::filesystem::path& dataDir);
    WorkDirectory(const WorkDirectory&) = delete;
    WorkDirectory& operator=(const WorkDirectory&) = delete;
    // Returns to the directory it was made from and removes itself (the data stays).
    ~WorkDirectory();

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// data.dat in the working directory: removed (a new game), or written with the given content.
void removeCheckpoint();
void writeCheckpoint(const std::string& content);

}  // namespace bench

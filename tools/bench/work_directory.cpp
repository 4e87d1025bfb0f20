#include "bench/work_directory.hpp"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace bench {

WorkDirectory::WorkDirectory(const std::filesystem::path& dataDir) : previous_(std::filesystem::current_path()) {
    const std::filesystem::path data = std::filesystem::absolute(dataDir);
    if (!std::filesystem::is_directory(data)) throw std::runtime_error("no data directory at " + data.string());
    std::string pattern = (std::filesystem::temp_directory_path() / "kvelnor-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern;
    std::filesystem::create_directory_symlink(data, path_ / "data");
    std::filesystem::current_path(path_);
}

WorkDirectory::~WorkDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);  // removes the link, never what it points to
}

void removeCheckpoint() {
    std::error_code ignored;
    std::filesystem::remove("data.dat", ignored);
}

void writeCheckpoint(const std::string& content) { std::ofstream("data.dat", std::ios::trunc) << content; }

}  // namespace bench

// The game names its data files in one place only: no "data/..." string literal anywhere else in the sources.
#include "app/data_files.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(DataNames, NoSourceFileSpellsADataPathOutsideTheList) {
    const fs::path source = fs::path(KVELNOR_SOURCE_DIR) / "src";
    const fs::path list = source / "app" / "data_files.hpp";
    int scanned = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".hpp")) continue;
        ++scanned;
        if (fs::equivalent(entry.path(), list)) continue;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number)
            EXPECT_EQ(line.find("\"data/"), std::string::npos)
                << entry.path().string() << ":" << number << " names a data file outside data_files.hpp: " << line;
    }
    EXPECT_GT(scanned, 10);
}

TEST(DataNames, TheListNamesEachFileOnceUnderData) {
    std::set<std::string_view> names;
    for (std::string_view name : app::kAllDataFiles) {
        EXPECT_TRUE(names.insert(name).second) << name << " is listed twice";
        EXPECT_EQ(name.substr(0, 5), "data/") << name;
    }
}

}  // namespace

// data.dat: what enables "Nahrát" at start-up, and a write that never loses a good checkpoint.
#include "app/main_form.hpp"
#include "checkpoint/checkpoint_file.hpp"
#include "ui/recording_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class CheckpointFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kvelnor-cp-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "data.dat").string();
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    void put(const std::string& content) { std::ofstream(path, std::ios::binary) << content; }
    std::string contents() {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Starts the game in the directory and tells whether "Nahrát" is enabled.
    bool continueEnabled(std::vector<std::string>& messages) {
        ui::VirtualClock clock;
        ui::RecordingPlatform platform;
        app::TfrmHlavni form(clock, platform);
        form.checkpointPath = path;
        form.FormCreate();
        messages = platform.messages;
        return form.mmNahrat->enabled();
    }

    fs::path dir;
    std::string path;
};

TEST_F(CheckpointFileTest, ContentsThatReadAsOneEnableContinueSilently) {
    for (const std::string content : {"1", " 1", "+1", "1\n", "1\r\n", "001", "\t\n 1abc", "1 2", "1.5"}) {
        put(content);
        std::vector<std::string> messages;
        EXPECT_TRUE(continueEnabled(messages)) << '"' << content << '"';
        EXPECT_TRUE(messages.empty()) << '"' << content << '"';
    }
}

TEST_F(CheckpointFileTest, OtherContentsLeaveContinueGreyedSilently) {
    for (const std::string content : {"0", "2", "abc", "", "-1", "11", "10", "+", "\x01\xff", "- 1", "0x1"}) {
        put(content);
        std::vector<std::string> messages;
        EXPECT_FALSE(continueEnabled(messages)) << '"' << content << '"';
        EXPECT_TRUE(messages.empty()) << '"' << content << '"';
    }
}

TEST_F(CheckpointFileTest, MissingFileIsReportedOnce) {
    std::vector<std::string> messages;
    EXPECT_FALSE(continueEnabled(messages));
    EXPECT_EQ(messages, (std::vector<std::string>{"Nepodařilo se otevřít soubor!"}));
}

TEST_F(CheckpointFileTest, HugeNumbersDoNotOverflowIntoOne) {
    put(std::string(200000, '0') + "1");
    EXPECT_TRUE(checkpoint::readFile(path).holdsOne);
    put("4294967297");  // 2^32 + 1 would wrap to 1 in a 32-bit read
    EXPECT_FALSE(checkpoint::readFile(path).holdsOne);
}

TEST_F(CheckpointFileTest, WriteLeavesExactlyTheDigitOneAndNoTemporaryFile) {
    put("something much longer than one byte");
    EXPECT_EQ(checkpoint::writeFile(path), checkpoint::WriteResult::Written);
    EXPECT_EQ(contents(), "1");
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(CheckpointFileTest, WriteIntoAnUnwritableDirectoryReportsAndStillEnablesContinue) {
    put("0");
    // Root may write into a read-only directory, but nobody may create files in /proc.
    const bool root = ::geteuid() == 0;
    if (!root) fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    ui::VirtualClock clock;
    ui::RecordingPlatform platform;
    app::TfrmHlavni form(clock, platform);
    form.checkpointPath = root ? "/proc/kvelnor-data.dat" : path;
    form.FormCreate();
    platform.messages.clear();
    form.writeCheckpointFile();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Nepodařilo se otevřít soubor!"}));
    EXPECT_TRUE(form.mmNahrat->enabled());
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_EQ(contents(), "0");  // the old file is untouched
}

TEST_F(CheckpointFileTest, WriteWhereADirectoryHasTheNameReportsAndKeepsIt) {
    fs::create_directories(path);
    ui::VirtualClock clock;
    ui::RecordingPlatform platform;
    app::TfrmHlavni form(clock, platform);
    form.checkpointPath = path;
    form.FormCreate();
    EXPECT_FALSE(form.mmNahrat->enabled());
    platform.messages.clear();
    form.writeCheckpointFile();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Nepodařilo se otevřít soubor!"}));
    EXPECT_TRUE(form.mmNahrat->enabled());
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(CheckpointFileTest, WriteIntoAMissingDirectoryReportsOpenFailure) {
    EXPECT_EQ(checkpoint::writeFile((dir / "no" / "data.dat").string()), checkpoint::WriteResult::OpenFailed);
}

}  // namespace

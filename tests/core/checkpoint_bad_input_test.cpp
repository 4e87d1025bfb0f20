// data.dat in bad shape: garbage, a huge file, a pipe, an unreadable file, a write cut short.
#include "checkpoint/checkpoint_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <signal.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class CheckpointBadInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kvelnor-bad-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "data.dat").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    void put(const std::string& content) { std::ofstream(path, std::ios::binary) << content; }
    std::string contents() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir;
    std::string path;
};

TEST_F(CheckpointBadInputTest, BinaryGarbageReadsAsNoCheckpoint) {
    std::mt19937 rng(7);
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>(rng() % 256));
    garbage[0] = '\x80';  // not white space, not a sign, not a digit
    put(garbage);
    const checkpoint::ReadResult r = checkpoint::readFile(path);
    EXPECT_TRUE(r.opened);
    EXPECT_FALSE(r.holdsOne);
}

TEST_F(CheckpointBadInputTest, TenMegabytesOfDigitsAreReadWithoutOverflow) {
    put(std::string(10 * 1024 * 1024, '7'));
    EXPECT_FALSE(checkpoint::readFile(path).holdsOne);
    put(std::string(10 * 1024 * 1024 - 1, '0') + "1");
    EXPECT_TRUE(checkpoint::readFile(path).holdsOne);
}

TEST_F(CheckpointBadInputTest, APipeOrADirectoryOfThatNameIsNotOpenedAtAll) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_FALSE(checkpoint::readFile(path).opened);  // would block forever if it were opened
    fs::remove(path);
    fs::create_directories(path);
    EXPECT_FALSE(checkpoint::readFile(path).opened);
}

TEST_F(CheckpointBadInputTest, UnreadableFileCountsAsNoCheckpoint) {
    put("1");
    fs::permissions(path, fs::perms::none);
    const checkpoint::ReadResult r = checkpoint::readFile(path);
    if (::geteuid() != 0) {
        EXPECT_FALSE(r.opened);  // root reads it anyway
        EXPECT_FALSE(r.holdsOne);
    }
    fs::permissions(path, fs::perms::owner_all);
}

TEST_F(CheckpointBadInputTest, KillingTheWriteBeforeTheRenameKeepsTheOldCheckpoint) {
    put("1");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        checkpoint::writeFile(path, [] { ::kill(::getpid(), SIGKILL); });
        ::_exit(0);  // never reached
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(contents(), "1");  // the old checkpoint is whole; the new one lies in the temporary file
    EXPECT_TRUE(checkpoint::readFile(path).holdsOne);
    // The next write replaces the leftover temporary file and succeeds.
    EXPECT_EQ(checkpoint::writeFile(path), checkpoint::WriteResult::Written);
    EXPECT_EQ(contents(), "1");
}

}  // namespace

// data.dat in bad shape: garbage, a huge file, a pipe, an unreadable file, writes killed midway.
#include "checkpoint/checkpoint_file.hpp"
#include "form_fixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>
#include <signal.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class CheckpointBadInputTest : public ::testing::Test {
protected:
    void put(const std::string& content) { std::ofstream(path, std::ios::binary) << content; }
    std::string contents() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    kvtest::TempDir dir;
    std::string path = (dir.path() / "data.dat").string();
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
    // The next start removes the leftover temporary file; the next write succeeds.
    const kvtest::NextStart next(path);
    EXPECT_TRUE(next.form.mmNahrat->enabled());
    EXPECT_FALSE(fs::exists(checkpoint::temporaryPath(path)));
    EXPECT_EQ(checkpoint::writeFile(path), checkpoint::WriteResult::Written);
    EXPECT_EQ(contents(), "1");
}

TEST_F(CheckpointBadInputTest, KillsAtRandomMomentsAroundTheWriteLeaveTheOldOrTheNewCheckpointAndNoLeftover) {
    // How long one write takes here, so the kills fall before, inside and after writes.
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) checkpoint::writeFile(path);
    const auto oneWrite = std::max<std::int64_t>(
        50, std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count() / 5);
    std::mt19937 rng(2024);
    std::uniform_int_distribution<std::int64_t> moment(0, 3 * oneWrite);
    int old = 0;
    int written = 0;
    for (int kill = 0; kill < 60; ++kill) {
        put("0");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) checkpoint::writeFile(path);  // the nights of many games, until the kill
        }
        std::this_thread::sleep_for(std::chrono::microseconds(moment(rng)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const kvtest::NextStart next(path);
        const std::string content = contents();
        ASSERT_TRUE(content == "0" || content == "1") << "after kill " << kill << ": \"" << content << '"';
        (content == "0" ? old : written) += 1;
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) names.push_back(entry.path().filename());
        ASSERT_EQ(names, std::vector<std::string>{"data.dat"}) << "after kill " << kill;
    }
    std::cout << "kills: " << old << " left the old checkpoint, " << written << " the new one (one write took about "
              << oneWrite << " us)\n";
}

}  // namespace

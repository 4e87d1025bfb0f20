// data.dat: what enables "Nahrát" at start-up, and a write that never loses a good checkpoint
// nor writes anywhere but into data.dat.
#include "checkpoint/checkpoint_file.hpp"
#include "form_fixture.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using kvtest::NextStart;

const std::vector<std::string> kCannotOpenOnce{"Nepodařilo se otevřít soubor!"};

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CheckpointFileTest : public kvtest::FormTest {
protected:
    [[nodiscard]] fs::path temporary() const { return checkpoint::temporaryPath(checkpointFile().string()); }
    [[nodiscard]] std::string contents() const { return contentsOf(checkpointFile()); }
    // The night of the first day writes the checkpoint; what did the player see?
    std::vector<std::string> writeDuringPlay() {
        platform.messages.clear();
        form.writeCheckpointFile();
        return platform.messages;
    }
};

TEST_F(CheckpointFileTest, ContentsThatReadAsOneEnableContinueSilently) {
    for (const std::string content : {"1", " 1", "+1", "1\n", "1\r\n", "001", "\t\n 1abc", "1 2", "1.5"}) {
        writeCheckpointFile(content);
        const NextStart next(checkpointFile());
        EXPECT_TRUE(next.form.mmNahrat->enabled()) << '"' << content << '"';
        EXPECT_TRUE(next.platform.messages.empty()) << '"' << content << '"';
    }
}

TEST_F(CheckpointFileTest, OtherContentsLeaveContinueGreyedSilently) {
    for (const std::string content : {"0", "2", "abc", "", "-1", "11", "10", "+", "\x01\xff", "- 1", "0x1"}) {
        writeCheckpointFile(content);
        const NextStart next(checkpointFile());
        EXPECT_FALSE(next.form.mmNahrat->enabled()) << '"' << content << '"';
        EXPECT_TRUE(next.platform.messages.empty()) << '"' << content << '"';
    }
}

TEST_F(CheckpointFileTest, MissingFileIsReportedOnce) {
    EXPECT_FALSE(form.mmNahrat->enabled());
    EXPECT_EQ(platform.messages, kCannotOpenOnce);
}

TEST_F(CheckpointFileTest, HugeNumbersDoNotOverflowIntoOne) {
    writeCheckpointFile(std::string(200000, '0') + "1");
    EXPECT_TRUE(checkpoint::readFile(checkpointFile().string()).holdsOne);
    writeCheckpointFile("4294967297");  // 2^32 + 1 would wrap to 1 in a 32-bit read
    EXPECT_FALSE(checkpoint::readFile(checkpointFile().string()).holdsOne);
}

TEST_F(CheckpointFileTest, WriteLeavesExactlyTheDigitOneAndNoTemporaryFile) {
    writeCheckpointFile("something much longer than one byte");
    EXPECT_TRUE(writeDuringPlay().empty());
    EXPECT_EQ(contents(), "1");
    EXPECT_FALSE(fs::exists(temporary()));
}

TEST_F(CheckpointFileTest, WriteIntoAnUnwritableDirectoryReportsAndStillEnablesContinue) {
    writeCheckpointFile("0");
    // Root may write into a read-only directory, but nobody may create files in /proc.
    const bool root = ::geteuid() == 0;
    if (root) form.checkpointPath = "/proc/kvelnor-data.dat";
    else fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(writeDuringPlay(), kCannotOpenOnce);
    EXPECT_TRUE(form.mmNahrat->enabled());
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(contents(), "0");  // the old file is untouched
}

TEST_F(CheckpointFileTest, WriteWhereADirectoryHasTheNameReportsAndKeepsIt) {
    fs::create_directories(checkpointFile());
    const NextStart next(checkpointFile());
    EXPECT_FALSE(next.form.mmNahrat->enabled());
    EXPECT_EQ(writeDuringPlay(), kCannotOpenOnce);
    EXPECT_TRUE(form.mmNahrat->enabled());
    EXPECT_TRUE(fs::is_directory(checkpointFile()));
    EXPECT_FALSE(fs::exists(temporary()));
}

TEST_F(CheckpointFileTest, WriteIntoAMissingDirectoryReportsOpenFailure) {
    EXPECT_EQ(checkpoint::writeFile((dir.path() / "no" / "data.dat").string()), checkpoint::WriteResult::OpenFailed);
}

TEST_F(CheckpointFileTest, AReadOnlyCheckpointIsLeftAloneAndTheFailureReported) {
    writeCheckpointFile("0");
    fs::permissions(checkpointFile(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(writeDuringPlay(), kCannotOpenOnce);
    EXPECT_TRUE(form.mmNahrat->enabled());  // usable for the rest of the run all the same
    EXPECT_EQ(contents(), "0");
    EXPECT_EQ(fs::status(checkpointFile()).permissions(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(fs::exists(temporary()));
}

TEST_F(CheckpointFileTest, TheNewCheckpointKeepsThePermissionsOfTheOldOne) {
    writeCheckpointFile("0");
    fs::permissions(checkpointFile(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(writeDuringPlay().empty());
    EXPECT_EQ(contents(), "1");
    EXPECT_EQ(fs::status(checkpointFile()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(CheckpointFileTest, APipeAtTheTemporaryNameNeitherHangsTheGameNorTakesTheCheckpoint) {
    writeCheckpointFile("0");
    ASSERT_EQ(::mkfifo(temporary().c_str(), 0600), 0);
    // The write runs in a child, so a write that blocks on the pipe fails the test instead of hanging it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(static_cast<int>(checkpoint::writeFile(checkpointFile().string())));
    int status = 0;
    pid_t ended = 0;
    for (int waited = 0; waited < 500 && ended == 0; ++waited) {
        ended = ::waitpid(child, &status, WNOHANG);
        if (ended == 0) ::usleep(10000);
    }
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "the write blocked on the pipe";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(checkpoint::WriteResult::OpenFailed));
    EXPECT_EQ(contents(), "0");
    // The next start clears the name, and its write goes through.
    NextStart next(checkpointFile());
    EXPECT_FALSE(fs::exists(fs::symlink_status(temporary())));
    next.form.writeCheckpointFile();
    EXPECT_EQ(contents(), "1");
}

TEST_F(CheckpointFileTest, ALinkAtTheTemporaryNameLeadsTheWriteNowhere) {
    writeCheckpointFile("0");
    const fs::path precious = dir.path() / "precious.txt";
    std::ofstream(precious) << "the player's own text";
    fs::create_symlink(precious, temporary());
    EXPECT_EQ(writeDuringPlay(), kCannotOpenOnce);
    EXPECT_EQ(contentsOf(precious), "the player's own text");
    EXPECT_EQ(contents(), "0");
    // The next start removes the link, never what it points at.
    const NextStart next(checkpointFile());
    EXPECT_FALSE(fs::exists(fs::symlink_status(temporary())));
    EXPECT_EQ(contentsOf(precious), "the player's own text");
}

TEST_F(CheckpointFileTest, AStaleTemporaryFileIsRemovedAtTheNextStart) {
    writeCheckpointFile("1");
    std::ofstream(temporary()) << "left by a write that was killed";
    const NextStart next(checkpointFile());
    EXPECT_TRUE(next.form.mmNahrat->enabled());
    EXPECT_FALSE(fs::exists(temporary()));
    EXPECT_EQ(contents(), "1");
}

}  // namespace

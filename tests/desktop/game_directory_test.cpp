// The player's own directory of the installed game: made on the first start with the data link
// and a checkpoint file that offers nothing, kept as it is on later starts.
#include "desktop/game_directory.hpp"
#include "desktop_fixture.hpp"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// An installed game (share/kvelnor/data) and a home whose XDG_DATA_HOME is ours, entered from
// a directory without data/.
class InstalledGame : public testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        savedXdg_ = qgetenv("XDG_DATA_HOME");
        hadXdg_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        fs::create_directories(installedData());
        fs::create_directories(root_.path() / "usr" / "bin");
        std::ofstream(installedData() / "Uvod.bmp") << "BM";
        fs::create_directories(root_.path() / "started-here");
        fs::current_path(root_.path() / "started-here");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((root_.path() / "xdg").string()));
    }
    void TearDown() override {
        fs::current_path(previous_);
        if (hadXdg_) qputenv("XDG_DATA_HOME", savedXdg_);
        else qunsetenv("XDG_DATA_HOME");
    }

    fs::path installedData() const { return root_.path() / "usr" / "share" / "kvelnor" / "data"; }
    QString installedDataAsGiven() const {
        // As the program names it: from its own directory upwards.
        return QString::fromStdString((root_.path() / "usr" / "bin" / ".." / "share" / "kvelnor" / "data").string());
    }
    fs::path player() const { return root_.path() / "xdg" / "kvelnor"; }

    kvdesk::TempDir root_;
    fs::path previous_;
    QByteArray savedXdg_;
    bool hadXdg_ = false;
};

TEST_F(InstalledGame, FirstStartMakesTheDirectoryWithDataLinkAndAnEmptyCheckpoint) {
    ASSERT_TRUE(desktop::enterGameDirectory(installedDataAsGiven()));
    EXPECT_EQ(fs::current_path(), player());
    ASSERT_TRUE(fs::is_symlink(player() / "data"));
    EXPECT_EQ(fs::canonical(player() / "data"), fs::canonical(installedData()));
    EXPECT_TRUE(fs::exists(player() / "data" / "Uvod.bmp"));
    EXPECT_EQ(contentOf(player() / "data.dat"), "0");
}

TEST_F(InstalledGame, ALaterStartKeepsTheCheckpointReached) {
    ASSERT_TRUE(desktop::enterPlayerDirectory(installedDataAsGiven()));
    std::ofstream(player() / "data.dat", std::ios::trunc) << "1";
    fs::current_path(root_.path() / "started-here");
    ASSERT_TRUE(desktop::enterPlayerDirectory(installedDataAsGiven()));
    EXPECT_EQ(contentOf(player() / "data.dat"), "1");
}

TEST_F(InstalledGame, AStaleLinkIsPointedAtTheInstalledData) {
    fs::create_directories(player());
    fs::create_directory_symlink(root_.path() / "old-prefix" / "data", player() / "data");  // dangling
    ASSERT_TRUE(desktop::enterPlayerDirectory(installedDataAsGiven()));
    EXPECT_EQ(fs::canonical(player() / "data"), fs::canonical(installedData()));
}

TEST_F(InstalledGame, DataThePlayerPutThereIsKept) {
    fs::create_directories(player() / "data");
    ASSERT_TRUE(desktop::enterPlayerDirectory(installedDataAsGiven()));
    EXPECT_FALSE(fs::is_symlink(player() / "data"));
}

TEST_F(InstalledGame, StartedFromADirectoryWithItsOwnDataTheGameStaysThere) {
    const fs::path own = root_.path() / "own-copy";
    fs::create_directories(own / "data");
    fs::current_path(own);
    ASSERT_TRUE(desktop::enterGameDirectory(installedDataAsGiven()));
    EXPECT_EQ(fs::current_path(), own);
    EXPECT_FALSE(fs::exists(player()));
    EXPECT_FALSE(fs::exists(own / "data.dat"));  // as before: nothing written at start
}

TEST_F(InstalledGame, TheLauncherPlaysInThePlayerDirectoryEvenBesideOtherData) {
    const fs::path other = root_.path() / "home-with-data";
    fs::create_directories(other / "data");
    fs::current_path(other);
    ASSERT_TRUE(desktop::enterPlayerDirectory(installedDataAsGiven()));
    EXPECT_EQ(fs::current_path(), player());
}

TEST_F(InstalledGame, WithoutInstalledDataAndNoDataHereTheGameStaysWhereItStarted) {
    fs::remove_all(installedData());
    ASSERT_FALSE(desktop::enterGameDirectory(installedDataAsGiven()));
    EXPECT_EQ(fs::current_path(), root_.path() / "started-here");
}

}  // namespace

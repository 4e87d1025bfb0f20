// The whole desktop game as the program starts it, in a working directory of its own.
#include "desktop/game.hpp"
#include "desktop_fixture.hpp"

#include <QMenu>

#include <filesystem>
#include <fstream>

namespace {

// Runs a test in a fresh working directory holding data/Uvod.bmp and data.dat.
class InGameDirectory {
public:
    explicit InGameDirectory(const std::string& checkpoint) : previous_(std::filesystem::current_path()) {
        std::filesystem::create_directories(dir_.path() / "data");
        QImage intro(800, 600, QImage::Format_RGB32);
        intro.fill(Qt::darkBlue);
        intro.save(QString::fromStdString((dir_.path() / "data" / "Uvod.bmp").string()), "BMP");
        std::ofstream(dir_.path() / "data.dat") << checkpoint;
        std::filesystem::current_path(dir_.path());
    }
    InGameDirectory(const InGameDirectory&) = delete;
    InGameDirectory& operator=(const InGameDirectory&) = delete;
    ~InGameDirectory() { std::filesystem::current_path(previous_); }

private:
    kvdesk::TempDir dir_;
    std::filesystem::path previous_;
};

TEST(Game, StartsMaximisedOnTheIntroWithTheInformationWindowsHidden) {
    InGameDirectory here("1");
    desktop::Game game;
    game.start();
    QApplication::processEvents();
    EXPECT_TRUE(game.mainWindow.windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(game.mainWindow.windowTitle(), "Kvelnor ");
    EXPECT_EQ(game.form.imgHlavni->picture(), "data/Uvod.bmp");
    EXPECT_EQ(game.mainWindow.view().imageOf(*game.form.imgHlavni).pixelColor(5, 5), QColor(Qt::darkBlue));
    EXPECT_TRUE(game.mainWindow.menu().actionOf(*game.form.mmNahrat)->isEnabled());
    EXPECT_TRUE(game.controls.isHidden());
    EXPECT_TRUE(game.about.isHidden());
    EXPECT_EQ(game.controls.parentWidget(), &game.mainWindow);
}

TEST(Game, TheInformationWindowsOpenModallyWhileTheGameGoesOn) {
    InGameDirectory here("1");
    desktop::Game game;
    game.start();
    game.mainWindow.menu().actionOf(*game.form.mmNova)->trigger();
    ASSERT_TRUE(game.form.Timer.enabled());

    // The menu handler returns at once; the window is modal, the game's clock is not held.
    game.mainWindow.menu().actionOf(*game.form.mmOprogramu)->trigger();
    EXPECT_TRUE(game.about.isVisible());
    EXPECT_TRUE(game.about.isModal());
    EXPECT_FALSE(game.clock.suspended());
    EXPECT_EQ(game.about.groupBox().x(), game.about.width());
    QTest::mouseClick(&game.about.okButton(), Qt::LeftButton);
    EXPECT_TRUE(game.about.isHidden());

    game.mainWindow.menu().actionOf(*game.form.mmOvladani)->trigger();
    EXPECT_TRUE(game.controls.isVisible());
    EXPECT_FALSE(game.clock.suspended());
    QTest::mouseClick(&game.controls.okButton(), Qt::LeftButton);
    EXPECT_TRUE(game.controls.isHidden());
    EXPECT_TRUE(game.form.Timer.enabled());
}

}  // namespace

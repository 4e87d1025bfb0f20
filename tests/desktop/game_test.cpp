// The whole desktop game as the program starts it, in a working directory of its own.
#include "desktop/game.hpp"
#include "desktop/game_settings.hpp"
#include "box_closer.hpp"
#include "desktop/view_menu.hpp"
#include "desktop/view_settings.hpp"
#include "desktop_fixture.hpp"
#include "modal_box.hpp"

#include "../support/data_folder.hpp"
#include "../support/working_directory.hpp"

#include <QMenu>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// Runs a test in a fresh working directory holding data.dat (unless none) and a data folder
// whose every file is whole (unless without data), the intro picture dark blue.
class InGameDirectory {
public:
    explicit InGameDirectory(const std::optional<std::string>& checkpoint, bool withData = true) {
        if (withData) {
            kvtest::writeDataFolder(dir_.path());
            QImage intro(800, 600, QImage::Format_RGB32);
            intro.fill(Qt::darkBlue);
            intro.save(QString::fromStdString((dir_.path() / "data" / "Uvod.bmp").string()), "BMP");
        }
        if (checkpoint) std::ofstream(dir_.path() / "data.dat") << *checkpoint;
    }

private:
    kvdesk::TempDir dir_;
    kvtest::WorkingDirectory here_{dir_.path()};
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

TEST(Game, WhileTheStartUpBoxesAreOpenTheButtonsAndTheListAreHidden) {
    InGameDirectory here(std::nullopt, false);  // no data folder and no data.dat: two boxes
    desktop::Game game;
    std::vector<bool> shown;
    kvdesk::BoxCloser boxes([&] {
        for (const ui::Component* button : {&game.form.btnZpet, &game.form.btnPruzkum, &game.form.btnSpojit})
            shown.push_back(game.mainWindow.buttonOf(*button).isVisible());
        shown.push_back(game.mainWindow.inventoryList().isVisible());
    });
    game.start();
    ASSERT_EQ(boxes.texts.size(), 2U);
    EXPECT_TRUE(game.mainWindow.isVisible());
    EXPECT_EQ(shown, std::vector<bool>(8, false));
}

TEST(Game, MissingCutAndOversizedFilesAreNamedInOneBoxAndNotAgainInPlay) {
    InGameDirectory here("1");
    std::filesystem::remove(snd::kasa);
    std::vector<char> cut = kvtest::bitmapBytes(40, 40);
    cut.resize(cut.size() / 2);
    kvtest::writeBytes(pic::tv, cut);
    kvtest::writeBytes(pic::prukaz_mini, kvtest::monochromeBitmapBytes(4000, 4000));
    desktop::Game game;
    kvdesk::BoxCloser boxes;
    game.start();
    ASSERT_EQ(boxes.texts.size(), 1U);
    const std::string& text = boxes.texts.front();
    EXPECT_EQ(text.rfind("Hra hledala své obrázky a zvuky ve složce\n" + (std::filesystem::current_path() / "data").string(), 0), 0U) << text;
    EXPECT_NE(text.find("\nChybí: kasa.wav.\nNelze přečíst: prukaz-mini.bmp, tv.bmp.\n"), std::string::npos) << text;
    // "Nahrát" loads the oversized held picture: refused without a box, nothing decoded.
    game.mainWindow.menu().actionOf(*game.form.mmNahrat)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(game.form.inv(1).picture(), pic::prukaz_mini);
    EXPECT_TRUE(game.mainWindow.view().imageOf(game.form.inv(1)).isNull());
    EXPECT_EQ(boxes.texts.size(), 1U);
}

TEST(Game, WritesAViewChoiceAtOnceAndStartsWithItNextTime) {
    InGameDirectory here("1");
    kvdesk::TempDir dir;
    const auto settings = [&dir] {
        return std::make_unique<QSettings>(QString::fromStdString((dir.path() / "view.ini").string()), QSettings::IniFormat);
    };
    {
        desktop::Game game(settings());
        game.start();
        EXPECT_TRUE(game.mainWindow.windowState().testFlag(Qt::WindowMaximized));  // the first run
        game.mainWindow.viewMenu().largerText().trigger();
        EXPECT_TRUE(desktop::readView(*settings()).options.largerText);
    }
    desktop::Game again(settings());
    again.start();
    EXPECT_TRUE(again.mainWindow.viewOptions().largerText);
    // Nobody changed them: speed and sounds start as documented.
    EXPECT_TRUE(again.mainWindow.menu().actionOf(*again.form.mmStredni)->isChecked());
    EXPECT_TRUE(again.mainWindow.menu().actionOf(*again.form.mmZvuky)->isChecked());
}

TEST(Game, KeepsSpeedAndSoundsForTheNextRunInTheStateChoosingThemGives) {
    InGameDirectory here("1");
    kvdesk::TempDir dir;
    const auto settings = [&dir] {
        return std::make_unique<QSettings>(QString::fromStdString((dir.path() / "player.ini").string()), QSettings::IniFormat);
    };
    {
        desktop::Game game(settings());
        game.start();
        EXPECT_EQ(game.form.Timer.interval(), app::kIntervalMedium);  // the first run
        EXPECT_EQ(game.form.state.soundOn, 1);
        game.mainWindow.menu().actionOf(*game.form.mmNizka)->trigger();
        game.mainWindow.menu().menuOf(*game.form.mmNastaveni)->aboutToShow();
        game.mainWindow.menu().actionOf(*game.form.mmZvuky)->trigger();
        // Written at once: a crash or a power cut later keeps the choice.
        EXPECT_EQ(desktop::readGameSettings(*settings()), (desktop::GameSettings{.speed = desktop::Speed::Low, .soundOn = false}));
    }
    desktop::Game again(settings());
    again.start();
    // The same as a fresh start where the player chose Nízká, opened Nastavení and chose Zvuky.
    kvdesk::DesktopWindow chosen;
    ui::Menu::click(*chosen.form.mmNizka);
    ui::Menu::click(*chosen.form.mmNastaveni);
    ui::Menu::click(*chosen.form.mmZvuky);
    EXPECT_EQ(again.form.state, chosen.form.state);
    EXPECT_EQ(again.form.Timer.interval(), app::kIntervalLow);
    EXPECT_EQ(again.form.Timer2.interval(), app::kIntervalLow);
    EXPECT_TRUE(again.mainWindow.menu().actionOf(*again.form.mmNizka)->isChecked());
    EXPECT_FALSE(again.mainWindow.menu().actionOf(*again.form.mmStredni)->isChecked());
    EXPECT_FALSE(again.mainWindow.menu().actionOf(*again.form.mmZvuky)->isChecked());
}

TEST(Game, SettingsNotUnderstoodStartAsDocumented) {
    kvdesk::TempDir dir;
    QSettings settings(QString::fromStdString((dir.path() / "player.ini").string()), QSettings::IniFormat);
    settings.setValue("game/speed", "turbo");
    settings.setValue("game/sound", 7);
    EXPECT_EQ(desktop::readGameSettings(settings), desktop::GameSettings{});
    settings.setValue("game/speed", "high");
    settings.setValue("game/sound", "false");
    EXPECT_EQ(desktop::readGameSettings(settings), (desktop::GameSettings{.speed = desktop::Speed::High, .soundOn = false}));
}

// The window's close button asks what Konec asks, in the same box; No keeps the game going.
TEST(Game, ClosingTheWindowAsksLikeKonecAndNoKeepsPlaying) {
    InGameDirectory here("1");
    desktop::Game game;
    game.start();
    game.mainWindow.menu().actionOf(*game.form.mmNova)->trigger();
    QString title;
    QString text;
    kvdesk::handleNextBox([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(game.mainWindow.close());
    EXPECT_EQ(title, "Konec");
    EXPECT_EQ(text, "Opravdu chcete skončit?");
    EXPECT_TRUE(game.mainWindow.isVisible());
    EXPECT_TRUE(game.form.Timer.enabled()) << "the story clock goes on after No";

    kvdesk::answerNextBox(QMessageBox::Yes);
    EXPECT_TRUE(game.mainWindow.close());
    EXPECT_FALSE(game.mainWindow.isVisible());
}

}  // namespace

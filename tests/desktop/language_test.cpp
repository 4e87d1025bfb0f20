// "Nastavení → Jazyk" in the whole desktop game: a choice changes every text on screen at once,
// the line being shown and Qt's own box buttons included, and is kept for the next run.
#include "desktop/game.hpp"
#include "desktop/history_box.hpp"
#include "desktop/pace_menu.hpp"
#include "desktop/qt_language.hpp"
#include "desktop/view_menu.hpp"
#include "info/about_text.hpp"
#include "info/controls_text.hpp"
#include "desktop_fixture.hpp"
#include "modal_box.hpp"

#include "../support/data_folder.hpp"
#include "../support/working_directory.hpp"

#include <QAbstractButton>
#include <QMenu>

#include <filesystem>
#include <fstream>

namespace {

// A caption without its mnemonic mark.
QString plain(QString caption) { return caption.remove('&'); }

// A working directory whose data/lang holds the built English catalogue, and a settings file.
class WithCatalogues : public ::testing::Test {
protected:
    WithCatalogues() {
        kvtest::writeDataFolder(dir_.path());
        std::ofstream(dir_.path() / "data.dat") << "1";
        std::filesystem::create_directories(dir_.path() / "data" / "lang");
        std::filesystem::copy_file(std::filesystem::path(KVELNOR_CATALOGUE_DIR) / "en.mo",
                                   dir_.path() / "data" / "lang" / "en.mo");
    }

    std::unique_ptr<QSettings> settings() const {
        return std::make_unique<QSettings>(QString::fromStdString((dir_.path() / "settings.ini").string()),
                                           QSettings::IniFormat);
    }

    static QStringList buttonTexts(QMessageBox& box) {
        QStringList texts;
        for (QAbstractButton* button : box.buttons()) texts << button->text();
        texts.sort();
        return texts;
    }

    kvtest::TempDir dir_;
    kvtest::WorkingDirectory here_{dir_.path()};
};

TEST_F(WithCatalogues, ChoosingEnglishChangesEverythingAtOnceAndCzechComesBack) {
    desktop::Game game(settings());
    game.start();
    QApplication::processEvents();
    desktop::LanguageMenu& languages = game.languageMenu();
    EXPECT_EQ(plain(languages.menu().title()), "Jazyk");
    ASSERT_NE(languages.actionOf("cs"), nullptr);
    ASSERT_NE(languages.actionOf("en"), nullptr);
    EXPECT_EQ(plain(languages.actionOf("cs")->text()), "Čeština");
    EXPECT_EQ(plain(languages.actionOf("en")->text()), "English");
    EXPECT_TRUE(languages.actionOf("cs")->isChecked());
    // The submenu stands in the game's "Nastavení".
    EXPECT_TRUE(game.mainWindow.menu().menuOf(*game.form.mmNastaveni)->actions().contains(languages.menu().menuAction()));

    game.form.setLine("Kovář:Děkuji.");
    game.mainWindow.refresh();
    languages.actionOf("en")->trigger();
    EXPECT_EQ(game.mainWindow.lineLabel().text(), "Kovář:Thank you.");
    EXPECT_EQ(plain(game.mainWindow.menu().menuOf(*game.form.mmHra)->title()), "Game");
    EXPECT_EQ(plain(game.mainWindow.menu().actionOf(*game.form.mmNova)->text()), "New");
    EXPECT_EQ(game.mainWindow.buttonOf(game.form.btnPruzkum).text(), "Examine");
    EXPECT_EQ(plain(languages.menu().title()), "Language");
    EXPECT_TRUE(languages.actionOf("en")->isChecked());
    EXPECT_EQ(plain(game.mainWindow.viewMenu().menu().title()), "View");
    EXPECT_EQ(game.controls.windowTitle(), "Controls");
    EXPECT_EQ(game.about.windowTitle(), "About");
    EXPECT_EQ(game.about.line(info::kVersion).text(), "version 1.0");
    // The window's own additions follow: the pace items, the positions and their window.
    EXPECT_EQ(plain(game.mainWindow.paceMenu().history().text()), "Dialogue history");
    EXPECT_EQ(plain(game.mainWindow.paceMenu().reveal().text()), "Show hotspots");
    EXPECT_EQ(plain(game.positions.save().text()), "Save position…");
    EXPECT_EQ(plain(game.positions.load().text()), "Load position…");
    const app::TfrmHlavni::SlotSummary empty{.slot = 2};
    EXPECT_EQ(desktop::slotText(empty, desktop::SlotWindowMode::Save, game.form.catalogue()), "Slot 2\nempty");
    const app::TfrmHlavni::SlotSummary automatic{.slot = 0, .used = true, .readable = true, .place = "Day 2 – inn",
                                                 .savedAt = "9. 12. 2026 15:40"};
    EXPECT_EQ(desktop::slotText(automatic, desktop::SlotWindowMode::Save, game.form.catalogue()),
              "Automatic save\nDay 2 – inn\nsaved 9. 12. 2026 15:40\nsaved automatically when the game ends");
    EXPECT_NE(desktop::historyHtml({"Kovář:Děkuji."}, game.form.catalogue()).indexOf("Thank you."), -1);

    QStringList texts;
    kvdesk::handleNextBox([&](QMessageBox& box) {
        texts = buttonTexts(box);
        EXPECT_EQ(box.text(), "Do you really want to quit?");
        box.button(QMessageBox::No)->click();
    });
    game.form.mmKonecClick();
    EXPECT_EQ(texts, (QStringList{"&No", "&Yes"}));

    languages.actionOf("cs")->trigger();
    EXPECT_EQ(game.mainWindow.lineLabel().text(), "Kovář:Děkuji.");
    EXPECT_EQ(plain(game.mainWindow.menu().menuOf(*game.form.mmHra)->title()), "Hra");
    kvdesk::handleNextBox([&](QMessageBox& box) {
        texts = buttonTexts(box);
        box.button(QMessageBox::No)->click();
    });
    game.form.mmKonecClick();
    EXPECT_EQ(texts, (QStringList{"&Ano", "&Ne"}));
}

TEST_F(WithCatalogues, TheChoiceIsKeptForTheNextRunAndAMissingLanguageChangesNothing) {
    {
        desktop::Game game(settings());
        game.start();
        QApplication::processEvents();
        ASSERT_TRUE(game.setLanguage("en"));
        QString message;
        kvdesk::handleNextBox([&](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
        EXPECT_FALSE(game.setLanguage("de"));
        EXPECT_TRUE(message.contains("de.mo")) << message.toStdString();
        EXPECT_EQ(game.language(), "en");
        EXPECT_TRUE(game.languageMenu().actionOf("en")->isChecked());
    }
    desktop::Game next(settings());
    next.start();
    QApplication::processEvents();
    EXPECT_EQ(next.language(), "en");
    EXPECT_EQ(plain(next.mainWindow.menu().menuOf(*next.form.mmHra)->title()), "Game");
    desktop::useCzech(*QCoreApplication::instance());
}

TEST_F(WithCatalogues, TheControlsWindowFitsEveryEnglishLine) {
    desktop::Game game;
    ASSERT_TRUE(game.setLanguage("en"));
    desktop::TfrmOvladani& controls = game.controls;
    for (std::size_t n = 0; n < controls.helpLines().size(); ++n) {
        const QLabel& label = *controls.helpLines()[n];
        EXPECT_EQ(label.text().toStdString(), game.form.tr(info::kHelpLines.at(n).text));
        EXPECT_LE(label.x() + label.fontMetrics().horizontalAdvance(label.text()), controls.panel().contentsRect().right())
            << label.text().toStdString();
    }
    EXPECT_LE(controls.panel().geometry().right(), controls.width());
    EXPECT_NEAR(controls.okButton().geometry().center().x(), controls.panel().geometry().center().x(), 8);
    desktop::useCzech(*QCoreApplication::instance());
}

// The title carries the game's own words: a switch draws it again in the language at once.
TEST_F(WithCatalogues, TheTitleIsDrawnInTheChosenLanguage) {
    std::filesystem::create_directories(std::filesystem::path("data") / "lang" / "en");
    std::filesystem::copy_file(std::filesystem::path(KVELNOR_CATALOGUE_DIR) / "en" / "Uvod.bmp", "data/lang/en/Uvod.bmp");
    desktop::Game game(settings());
    game.start();
    QApplication::processEvents();
    game.form.showPicture(pic::uvod);
    game.mainWindow.refresh();
    const QImage czech = game.mainWindow.view().imageOf(*game.form.imgHlavni);
    ASSERT_FALSE(czech.isNull());
    ASSERT_TRUE(game.setLanguage("en"));
    const QImage english = game.mainWindow.view().imageOf(*game.form.imgHlavni);
    ASSERT_FALSE(english.isNull());
    EXPECT_NE(english, czech);
    EXPECT_EQ(game.form.imgHlavni->picture(), pic::uvod) << "the game still names its own picture";
    ASSERT_TRUE(game.setLanguage("cs"));
    EXPECT_EQ(game.mainWindow.view().imageOf(*game.form.imgHlavni), czech);
}

}  // namespace

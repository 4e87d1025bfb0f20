// The desktop game put together as the program starts it: the main window first, then the
// Controls window and the About window.
#pragma once

#include "app/main_form.hpp"
#include "desktop/about_window.hpp"
#include "desktop/controls_window.hpp"
#include "desktop/cursors.hpp"
#include "desktop/game_settings.hpp"
#include "desktop/language_menu.hpp"
#include "desktop/main_window.hpp"
#include "desktop/picture_store.hpp"
#include "desktop/positions_menu.hpp"
#include "desktop/qt_clock.hpp"
#include "desktop/qt_platform.hpp"
#include "desktop/sound_player.hpp"

#include <QSettings>

#include <memory>
#include <string>

namespace desktop {

class Game {
public:
    // Builds the three windows; nothing is shown and no start-up handler has run yet. With
    // settings, the window's place, the view choices, the speed and the sounds are read from
    // them at start and written back whenever they change; without, the window starts maximised
    // at the documented speed with sounds on, and keeps nothing.
    explicit Game(std::unique_ptr<QSettings> settings = nullptr);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    ~Game();

    // Shows the main window (maximised the first time, else as the player left it) and runs the
    // start-up handler; the window icon is drawn once the first frame is on screen.
    void start();

    // Shows everything in the language (a code: "cs", "en") at once, the line being shown
    // included, and keeps it in the settings for the next run. A language without a readable
    // catalogue is named in a box and the game stays as it was; false then.
    bool setLanguage(const std::string& language);
    [[nodiscard]] const std::string& language() const { return form.catalogue().language(); }
    [[nodiscard]] LanguageMenu& languageMenu() { return *languageMenu_; }

    QtClock clock;
    PictureStore pictures;
    SoundPlayer sound;
    QtPlatform platform{clock, pictures, sound};
    app::TfrmHlavni form{clock, platform};
    CursorTable cursors;  // registered once the main window's components exist
    MainWindow mainWindow{form, cursors, &pictures};
    TfrmOvladani controls{&mainWindow};
    QtClock aboutClock;  // the About window's timer runs on, whatever the game's clock does
    TfrmOprogramu about{aboutClock, &mainWindow};
    PositionsMenu positions{*mainWindow.menu().menuOf(*form.mmHra), form, clock, &mainWindow};

private:
    void rememberView();
    void rememberGameSettings();

    std::unique_ptr<LanguageMenu> languageMenu_;
    std::unique_ptr<QSettings> settings_;
    bool started_ = false;
    GameSettings keptGame_;  // as last read or written, so an unchanged choice writes nothing
};

}  // namespace desktop

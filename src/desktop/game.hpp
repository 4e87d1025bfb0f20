// The desktop game put together as the program starts it: the main window first, then the
// Controls window and the About window.
#pragma once

#include "app/main_form.hpp"
#include "desktop/about_window.hpp"
#include "desktop/controls_window.hpp"
#include "desktop/cursors.hpp"
#include "desktop/main_window.hpp"
#include "desktop/picture_store.hpp"
#include "desktop/qt_clock.hpp"
#include "desktop/qt_platform.hpp"
#include "desktop/sound_player.hpp"

namespace desktop {

class Game {
public:
    // Builds the three windows; nothing is shown and no start-up handler has run yet.
    Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Shows the main window maximised and runs the start-up handler.
    void start();

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
};

}  // namespace desktop

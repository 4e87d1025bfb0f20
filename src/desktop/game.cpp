#include "desktop/game.hpp"

#include "desktop/after_first_frame.hpp"
#include "desktop/game_icon.hpp"
#include "desktop/view_settings.hpp"

#include <QApplication>

#include <utility>

namespace desktop {

Game::Game(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {
    platform.setBoxParent(&mainWindow);
    platform.setInfoWindows(&controls, &about);
    platform.beforeBox = [this] { mainWindow.refresh(); };
    clock.afterTick = [this] { mainWindow.refresh(); };
    mainWindow.afterViewChange = [this] { rememberView(); };
}

Game::~Game() { rememberView(); }


void Game::start() {
    started_ = true;
    if (settings_ != nullptr)
        showAsRemembered(mainWindow, readView(*settings_));
    else
        mainWindow.showMaximized();
    form.FormCreate();
    mainWindow.refresh();
    afterFirstFrame(mainWindow.view(), [] { QApplication::setWindowIcon(gameIcon()); });
}

void Game::rememberView() {
    // A window never shown has no place worth keeping.
    if (settings_ != nullptr && started_) writeView(*settings_, mainWindow);
}

}  // namespace desktop

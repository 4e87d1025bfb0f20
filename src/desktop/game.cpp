#include "desktop/game.hpp"

namespace desktop {

Game::Game() {
    platform.setBoxParent(&mainWindow);
    platform.setInfoWindows(&controls, &about);
    platform.beforeBox = [this] { mainWindow.refresh(); };
    clock.afterTick = [this] { mainWindow.refresh(); };
}

void Game::start() {
    mainWindow.showMaximized();
    form.FormCreate();
    mainWindow.refresh();
}

}  // namespace desktop

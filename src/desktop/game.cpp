#include "desktop/game.hpp"

#include "desktop/after_first_frame.hpp"
#include "desktop/game_icon.hpp"
#include "desktop/view_settings.hpp"

#include <QApplication>
#include <QSessionManager>

#include <utility>

namespace desktop {

Game::Game(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {
    platform.setBoxParent(&mainWindow);
    platform.setInfoWindows(&controls, &about);
    platform.beforeBox = [this] { mainWindow.refresh(); };
    clock.afterTick = [this] { mainWindow.refresh(); };
    mainWindow.runAsBox = [this](const std::function<void()>& box) {
        ClockHold hold(clock);
        mainWindow.refresh();
        box();
    };
    mainWindow.afterViewChange = [this] { rememberView(); };
    mainWindow.afterMenuInput = [this] { rememberGameSettings(); };
    positions.afterChoice = [this] {
        mainWindow.refresh();
        // A loaded position brings its speed and sounds, which the menu now shows.
        rememberGameSettings();
    };
    // However the program ends with a game in progress, the game is kept in the automatic slot:
    // Konec and the close button save on the player's Yes, these catch every other end.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &mainWindow,
                     [this](QSessionManager&) { form.sessionEnding(); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &mainWindow, [this] { form.autosave(); });
}

Game::~Game() {
    rememberView();
    rememberGameSettings();
}


void Game::start() {
    started_ = true;
    if (settings_ != nullptr)
        showAsRemembered(mainWindow, readView(*settings_));
    else
        mainWindow.showMaximized();
    form.FormCreate();
    if (settings_ != nullptr) {
        keptGame_ = readGameSettings(*settings_);
        restoreGameSettings(form, keptGame_);
    }
    mainWindow.refresh();
    afterFirstFrame(mainWindow.view(), [] { QApplication::setWindowIcon(gameIcon()); });
}

void Game::rememberGameSettings() {
    if (settings_ == nullptr || !started_) return;
    const GameSettings now = gameSettingsOf(form);
    if (now == keptGame_) return;
    writeGameSettings(*settings_, now);
    keptGame_ = now;
}

void Game::rememberView() {
    // A window never shown has no place worth keeping.
    if (settings_ != nullptr && started_) writeView(*settings_, mainWindow);
}

}  // namespace desktop

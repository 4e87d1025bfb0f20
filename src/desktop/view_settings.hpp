// The view choices and the window's place kept between runs in the player's settings: window
// geometry, full screen, sharp pixels and larger text. The game's own settings (speed, sounds)
// are kept beside them by game_settings.
#pragma once

#include "desktop/view_options.hpp"

#include <QByteArray>
#include <QSettings>

#include <memory>

namespace desktop {

inline constexpr const char* kSettingsOrganisation = "Kvelnor";
inline constexpr const char* kSettingsApplication = "Kvelnor";

class MainWindow;

struct RememberedView {
    ViewOptions options;
    QByteArray geometry;  // empty on the first run
};

// The player's own settings file in the config directory.
std::unique_ptr<QSettings> playerSettings();

RememberedView readView(QSettings& settings);
void writeView(QSettings& settings, const MainWindow& window);

// Shows the window as it was left: its geometry and choices, or maximised on the first run.
void showAsRemembered(MainWindow& window, const RememberedView& remembered);

}  // namespace desktop

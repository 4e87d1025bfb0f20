// The game's own settings kept between runs of the desktop game in the player's settings: the
// speed of the cutscenes and the sound switch. Nothing kept means the documented start,
// "Střední" with sounds on.
#pragma once

#include "app/main_form.hpp"

#include <QSettings>

namespace desktop {

enum class Speed { High, Medium, Low };

struct GameSettings {
    Speed speed = Speed::Medium;
    bool soundOn = true;
    friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

// A value missing or not understood keeps its documented start.
GameSettings readGameSettings(QSettings& settings);
void writeGameSettings(QSettings& settings, const GameSettings& game);

// The settings as the form's menu shows them.
GameSettings gameSettingsOf(const app::TfrmHlavni& form);

// Chooses the speed and, if sounds are to be off, opens "Nastavení" and chooses "Zvuky", through
// the form's own menu handlers: the form ends exactly as if the player had chosen them.
void restoreGameSettings(app::TfrmHlavni& form, const GameSettings& game);

}  // namespace desktop

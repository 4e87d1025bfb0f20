#include "desktop/game_settings.hpp"

#include <array>
#include <utility>

namespace desktop {

namespace {

const QString kSpeedKey = QStringLiteral("game/speed");
const QString kSoundKey = QStringLiteral("game/sound");

// The words kept in the file, the same as the headless driver's.
constexpr std::array<std::pair<Speed, const char*>, 3> kSpeedWords = {{
    {Speed::High, "high"},
    {Speed::Medium, "medium"},
    {Speed::Low, "low"},
}};

}  // namespace

GameSettings readGameSettings(QSettings& settings) {
    GameSettings game;
    const QString word = settings.value(kSpeedKey).toString();
    for (const auto& [speed, name] : kSpeedWords)
        if (word == QLatin1String(name)) game.speed = speed;
    // Only a clear true or false counts; anything else keeps sounds on.
    const QString sound = settings.value(kSoundKey).toString();
    if (sound == QLatin1String("false")) game.soundOn = false;
    return game;
}

void writeGameSettings(QSettings& settings, const GameSettings& game) {
    for (const auto& [speed, name] : kSpeedWords)
        if (speed == game.speed) settings.setValue(kSpeedKey, QString::fromLatin1(name));
    settings.setValue(kSoundKey, game.soundOn);
    settings.sync();
}

GameSettings gameSettingsOf(const app::TfrmHlavni& form) {
    GameSettings game;
    if (form.mmVysoka->checked()) game.speed = Speed::High;
    if (form.mmNizka->checked()) game.speed = Speed::Low;
    game.soundOn = form.mmZvuky->checked();
    return game;
}

void restoreGameSettings(app::TfrmHlavni& form, const GameSettings& game) {
    switch (game.speed) {
        case Speed::High: ui::Menu::click(*form.mmVysoka); break;
        case Speed::Medium: ui::Menu::click(*form.mmStredni); break;
        case Speed::Low: ui::Menu::click(*form.mmNizka); break;
    }
    if (game.soundOn != form.mmZvuky->checked()) {
        ui::Menu::click(*form.mmNastaveni);
        ui::Menu::click(*form.mmZvuky);
    }
}

}  // namespace desktop

// One game on a virtual clock that never touches the disk, started as the exploration starts.
#pragma once

#include "app/main_form.hpp"
#include "explore/explorer.hpp"
#include "ui/silent_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <string>

namespace explore {

class Game {
public:
    Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void settle();
    void runOutCountdown();
    // The end titles are on screen and the story clock has stopped.
    [[nodiscard]] bool atEndTitles() const;

    ui::VirtualClock clock;
    ui::SilentPlatform platform;
    app::TfrmHlavni form;
};

// Chooses "Nová" or "Nahrát", lets the clock run, then applies options.prepare.
void begin(Game& game, const Options& options);

// The script lines that do what begin() does.
std::string beginLines(const Options& options);

// What a player waits for the countdown to run out; the scripts write it as one wait.
inline constexpr const char* kRunOutLine = "wait 17000";

// One line per fact of the state: storyStage, sceneId, what is held, the list, the enabled spots.
std::string describe(const app::TfrmHlavni& form);

}  // namespace explore

// A headless game: the main window model on a virtual clock, driven one action at a time.
#pragma once

#include "app/main_form.hpp"
#include "script/action.hpp"
#include "ui/recording_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <memory>
#include <string>

namespace script {

class Session {
public:
    // Starts the game as the program does: the window is built and FormCreate runs, already in
    // the catalogue's language.
    explicit Session(ui::Catalogue catalogue = ui::Catalogue());

    void execute(const Action& action);

    // Clicks where a player would click the named component; false if there is none.
    bool clickComponent(const std::string& name);
    // Lets the clock run until the player has control (app::settle).
    void settle();
    // Shows the game in a language from now on; false with a message when it has no catalogue.
    bool setLanguage(const std::string& language, std::string& error);

    ui::VirtualClock clock;
    ui::RecordingPlatform platform{true};
    std::unique_ptr<app::TfrmHlavni> form;
    // What was played and shown since the previous dump.
    std::size_t soundsReported = 0;
    std::size_t messagesReported = 0;

private:
    std::optional<int> entry(const Action& action) const;
};

}  // namespace script

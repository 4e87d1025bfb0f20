// The game's Platform in the browser: files are looked up in the site's list, boxes are page
// dialogs, and the game's clock is held while one is open.
#pragma once

#include "ui/platform.hpp"
#include "ui/virtual_clock.hpp"
#include "web/browser.hpp"

namespace web {

class WebPlatform final : public ui::Platform {
public:
    WebPlatform(ui::VirtualClock& clock, Browser& browser) : clock_(clock), browser_(browser) {}

    ui::FileHealth checkFile(const std::string& path) override;
    bool loadPicture(const std::string& path) override;
    bool playSound(const std::string& path) override;
    void inform(const std::string& text) override;
    bool ask(const std::string& caption, const std::string& text) override;
    void showWindow(ui::InfoWindow which) override;
    void quit() override;

    [[nodiscard]] bool quitRequested() const { return quit_; }

private:
    ui::VirtualClock& clock_;
    Browser& browser_;
    bool quit_ = false;
};

}  // namespace web

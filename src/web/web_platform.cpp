#include "web/web_platform.hpp"

namespace web {

namespace {

// Holds the clock for a box's lifetime, so no tick runs while the player reads it.
class Hold {
public:
    explicit Hold(ui::VirtualClock& clock) : clock_(clock) { clock_.suspend(); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    ~Hold() { clock_.resume(); }

private:
    ui::VirtualClock& clock_;
};

}  // namespace

ui::FileHealth WebPlatform::checkFile(const std::string& path) {
    return browser_.hasFile(path) ? ui::FileHealth::Readable : ui::FileHealth::Missing;
}

bool WebPlatform::loadPicture(const std::string& path) { return browser_.hasFile(path); }

bool WebPlatform::playSound(const std::string& path) {
    if (!browser_.hasFile(path)) return false;
    browser_.playSound(path);
    return true;
}

void WebPlatform::inform(const std::string& text) {
    Hold hold(clock_);
    browser_.inform(text);
}

bool WebPlatform::ask(const std::string& caption, const std::string& text) {
    Hold hold(clock_);
    return browser_.ask(caption, text);
}

void WebPlatform::showWindow(ui::InfoWindow which) { browser_.showWindow(which); }

void WebPlatform::quit() {
    quit_ = true;
    browser_.quit();
}

}  // namespace web

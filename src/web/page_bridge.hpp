// The Browser port implemented by calls into the page's script.
#pragma once

#include "web/browser.hpp"

namespace web {

class PageBridge final : public Browser {
public:
    bool hasFile(const std::string& path) override;
    void playSound(const std::string& path) override;
    void inform(const std::string& text) override;
    bool ask(const std::string& caption, const std::string& text) override;
    void showWindow(ui::InfoWindow which) override;
    void quit() override;
    std::string savedAtNow() override;
};

}  // namespace web

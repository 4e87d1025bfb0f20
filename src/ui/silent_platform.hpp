// A Platform that answers Yes, reads every picture and keeps nothing: for long automated play.
#pragma once

#include "ui/platform.hpp"

namespace ui {

class SilentPlatform final : public Platform {
public:
    FileHealth checkFile(const std::string&) override { return FileHealth::Readable; }
    bool loadPicture(const std::string&) override { return true; }
    bool playSound(const std::string&) override { return true; }
    void inform(const std::string&) override { ++messages; }
    bool ask(const std::string&, const std::string&) override { return answer; }
    void showWindow(InfoWindow) override {}
    void quit() override { quitRequested = true; }

    bool answer = true;
    long messages = 0;
    bool quitRequested = false;
};

}  // namespace ui

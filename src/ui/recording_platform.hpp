// A Platform for tests and the headless driver: records what the game asked for.
#pragma once

#include "ui/platform.hpp"

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace ui {

class RecordingPlatform : public Platform {
public:
    // With checkFiles, a picture is readable when its file exists; otherwise every
    // picture is readable except those listed in missingPictures.
    explicit RecordingPlatform(bool checkFiles = false) : checkFiles_(checkFiles) {}

    bool loadPicture(const std::string& path) override;
    void playSound(const std::string& path) override { sounds.push_back(path); }
    void inform(const std::string& text) override { messages.push_back(text); }
    bool ask(const std::string& caption, const std::string& text) override;
    void showWindow(InfoWindow which) override { windowsShown.push_back(which); }
    void quit() override { quitRequested = true; }

    std::vector<std::string> sounds;
    std::vector<std::string> messages;
    std::vector<std::string> questions;  // "caption: text"
    std::vector<InfoWindow> windowsShown;
    std::deque<bool> answers;  // next answers to questions; Yes when empty
    std::set<std::string> missingPictures;
    bool quitRequested = false;

private:
    bool checkFiles_;
};

}  // namespace ui

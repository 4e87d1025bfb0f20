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
    // With checkFiles, a picture or sound is readable when its file is there and whole (its
    // structure is checked, nothing is decoded); otherwise every file is readable except those
    // listed in missingPictures and missingSounds.
    explicit RecordingPlatform(bool checkFiles = false) : checkFiles_(checkFiles) {}

    FileHealth checkFile(const std::string& path) override;
    bool loadPicture(const std::string& path) override;
    bool playSound(const std::string& path) override;
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
    std::set<std::string> missingSounds;
    bool quitRequested = false;

private:
    [[nodiscard]] FileHealth health(const std::string& path) const;
    bool checkFiles_;
};

}  // namespace ui

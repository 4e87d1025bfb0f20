// The game's one sound channel: a new sound cuts off the one playing; no audio device, no sound.
#pragma once

#include <QSoundEffect>

#include <memory>
#include <string>

namespace desktop {

class SoundPlayer {
public:
    SoundPlayer() = default;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;
    ~SoundPlayer();

    // Starts the WAV file without waiting; false when it is missing, cut short or no WAV file. With no
    // audio device the game is silent, which is not a failure.
    bool play(const std::string& path);
    // The path of the last sound started, empty before the first.
    [[nodiscard]] const std::string& lastStarted() const { return lastStarted_; }

private:
    std::unique_ptr<QSoundEffect> effect_;  // made at the first sound an audio device can play
    std::string lastStarted_;
};

}  // namespace desktop

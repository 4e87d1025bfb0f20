#include "ui/recording_platform.hpp"

#include <filesystem>

namespace ui {

bool RecordingPlatform::loadPicture(const std::string& path) {
    if (missingPictures.count(path) != 0) return false;
    return readable(path);
}

bool RecordingPlatform::playSound(const std::string& path) {
    sounds.push_back(path);
    if (missingSounds.count(path) != 0) return false;
    return readable(path);
}

bool RecordingPlatform::readable(const std::string& path) const {
    if (!checkFiles_) return true;
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool RecordingPlatform::ask(const std::string& caption, const std::string& text) {
    questions.push_back(caption + ": " + text);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace ui

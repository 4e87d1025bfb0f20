#include "ui/recording_platform.hpp"

#include "ui/data_file_check.hpp"

namespace ui {

FileHealth RecordingPlatform::checkFile(const std::string& path) { return health(path); }

bool RecordingPlatform::loadPicture(const std::string& path) { return health(path) == FileHealth::Readable; }

bool RecordingPlatform::playSound(const std::string& path) {
    sounds.push_back(path);
    return health(path) == FileHealth::Readable;
}

FileHealth RecordingPlatform::health(const std::string& path) const {
    if (missingPictures.count(path) != 0 || missingSounds.count(path) != 0) return FileHealth::Missing;
    return checkFiles_ ? checkDataFile(path) : FileHealth::Readable;
}

bool RecordingPlatform::ask(const std::string& caption, const std::string& text) {
    questions.push_back(caption + ": " + text);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace ui

// Pictures decoded when the game loads them, handed to the view once; nothing is kept for later.
#pragma once

#include <QImage>

#include <map>
#include <string>

namespace desktop {

class PictureStore {
public:
    // Decodes the file; false when it is missing or unreadable. The image waits for take().
    bool decode(const std::string& path);
    // The image decoded by the last decode() of that path, or decoded now if there was none.
    // A null image when the file cannot be read.
    QImage take(const std::string& path);
    // Drops images nobody took (their components got another picture before being drawn).
    void clear() { decoded_.clear(); }

private:
    std::map<std::string, QImage> decoded_;
};

QImage decodePicture(const std::string& path);

}  // namespace desktop

// Pictures decoded when the game loads them, handed to the view once; nothing is kept for later.
#pragma once

#include <QImage>

#include <map>
#include <string>

namespace desktop {

// No picture the game shows is larger than its window; a larger file is refused before it is
// decoded, so whatever lies in data/ the memory stays bounded.
inline constexpr int kMaxPictureWidth = 1024;
inline constexpr int kMaxPictureHeight = 768;

class PictureStore {
public:
    // Decodes the file; false when it is missing, unreadable or too large. The image waits for take().
    bool decode(const std::string& path);
    // The image decoded by the last decode() of that path, or decoded now if there was none.
    // A null image when the file cannot be read.
    QImage take(const std::string& path);
    // Drops images nobody took (their components got another picture before being drawn).
    void clear() { decoded_.clear(); }

private:
    std::map<std::string, QImage> decoded_;
};

// True when the picture's header gives a size within the limits; nothing is decoded.
bool pictureFits(const std::string& path);

// The picture, or a null image when the file is missing, unreadable or too large.
QImage decodePicture(const std::string& path);

}  // namespace desktop

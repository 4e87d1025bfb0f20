#include "desktop/picture_store.hpp"

#include <QString>

#include <utility>

namespace desktop {

QImage decodePicture(const std::string& path) {
    QImage image(QString::fromStdString(path));
    if (image.isNull()) return image;
    // One pixel format for everything drawn, so painting never converts. Converted in place:
    // a second full-size buffer costs more in fresh pages than the decode itself.
    return std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool PictureStore::decode(const std::string& path) {
    QImage image = decodePicture(path);
    if (image.isNull()) {
        decoded_.erase(path);
        return false;
    }
    decoded_[path] = std::move(image);
    return true;
}

QImage PictureStore::take(const std::string& path) {
    const auto found = decoded_.find(path);
    if (found == decoded_.end()) return decodePicture(path);
    QImage image = std::move(found->second);
    decoded_.erase(found);
    return image;
}

}  // namespace desktop

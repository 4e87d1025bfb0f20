#include "desktop/picture_store.hpp"

#include <QImageReader>
#include <QString>

#include <utility>

namespace desktop {

namespace {

bool sizeFits(const QSize& size) {
    return size.isValid() && size.width() <= kMaxPictureWidth && size.height() <= kMaxPictureHeight;
}

}  // namespace

bool pictureFits(const std::string& path) { return sizeFits(QImageReader(QString::fromStdString(path)).size()); }

QImage decodePicture(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    if (!sizeFits(reader.size())) return {};  // the header's size, read before any pixel
    QImage image = reader.read();
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

#include "app/localized_picture.hpp"

#include "ui/catalogue.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace app {

std::string localizedPicturePath(const std::string& picture, const std::string& language) {
    return (std::filesystem::path(kCatalogueDirectory) / language / std::filesystem::path(picture).filename()).string();
}

bool isLocalizedPicture(const std::string& picture) {
    return std::any_of(kLocalizedPictures.begin(), kLocalizedPictures.end(), [&](const char* p) { return picture == p; });
}

std::string shownPicture(const std::string& picture, const std::string& language) {
    if (language == ui::kSourceLanguage || !isLocalizedPicture(picture)) return picture;
    std::string localized = localizedPicturePath(picture, language);
    std::error_code error;
    return std::filesystem::is_regular_file(localized, error) ? localized : picture;
}

}  // namespace app

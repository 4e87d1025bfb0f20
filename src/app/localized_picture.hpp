// Pictures that carry the game's own words (the title) are drawn again for each language, beside
// its catalogue (lang/en/Uvod.bmp). The game keeps naming the Czech file everywhere (its
// rules, saved positions, dumps); only what is drawn on screen is the language's picture.
#pragma once

#include "app/data_files.hpp"

#include <array>
#include <string>

namespace app {

inline constexpr std::array kLocalizedPictures = {pic::uvod};

// True for a picture drawn again in each language (the title).
[[nodiscard]] bool isLocalizedPicture(const std::string& picture);

// Where the picture drawn in the language lies, beside its catalogue (lang/en/Uvod.bmp).
std::string localizedPicturePath(const std::string& picture, const std::string& language);

// The file to draw for the picture in the language: its own drawing when the language has one,
// else the picture itself.
std::string shownPicture(const std::string& picture, const std::string& language);

}  // namespace app

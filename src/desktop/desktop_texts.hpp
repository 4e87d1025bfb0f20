// The texts the desktop window adds to the game's own, in Czech as the game writes them; plain
// constants (no Qt), so the translation catalogues can be checked against them headlessly.
#pragma once

#include <array>

namespace desktop {

// The menu "Zobrazení" of the window.
inline constexpr const char* kViewMenuCaption = "Zobrazení";
inline constexpr const char* kFullScreenCaption = "Celá obrazovka";
inline constexpr const char* kSharpPixelsCaption = "Ostré pixely";
inline constexpr const char* kLargerTextCaption = "Větší písmo";
// "Nastavení → Jazyk": one item per language, each named in itself.
inline constexpr const char* kLanguageMenuCaption = "Jazyk";

inline constexpr std::array kDesktopTexts = {
    kViewMenuCaption, kFullScreenCaption, kSharpPixelsCaption, kLargerTextCaption, kLanguageMenuCaption,
};

}  // namespace desktop

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
// "Zobrazení": the dialogue history and showing every place a click would reach.
inline constexpr const char* kHistoryItemCaption = "Historie rozhovorů";
inline constexpr const char* kRevealItemCaption = "Ukázat aktivní místa";
// The box of the dialogue history.
inline constexpr const char* kHistoryCaption = "Historie rozhovorů";
inline constexpr const char* kHistoryEmpty = "Zatím nezazněl žádný rozhovor.";
inline constexpr const char* kCloseButton = "Zavřít";
// The window of saved positions ("%s" is a slot's number or the moment of the save).
inline constexpr const char* kAutomaticSlot = "Automatická pozice";
inline constexpr const char* kPlayerSlot = "Pozice %s";
inline constexpr const char* kEmptySlot = "prázdná";
inline constexpr const char* kSavedAt = "uloženo %s";
inline constexpr const char* kSavesItself = "ukládá se sama, když hra končí";
inline constexpr const char* kSaveButton = "Uložit";
inline constexpr const char* kLoadButton = "Nahrát";
inline constexpr const char* kCancelButton = "Zrušit";

inline constexpr std::array kDesktopTexts = {
    kViewMenuCaption, kFullScreenCaption, kSharpPixelsCaption, kLargerTextCaption, kLanguageMenuCaption,
    kHistoryItemCaption, kRevealItemCaption, kHistoryCaption, kHistoryEmpty, kCloseButton,
    kAutomaticSlot, kPlayerSlot, kEmptySlot, kSavedAt, kSavesItself, kSaveButton, kLoadButton, kCancelButton,
};

}  // namespace desktop

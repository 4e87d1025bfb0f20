// The texts of saving and loading positions, in Czech as the game writes them; "%s" stands for a
// slot's number, a place, a reason, a folder or a file, filled in the order they appear. The
// automatic slot has sentences of its own, as Czech declines "pozice" and "automatická pozice".
#pragma once

#include <array>

namespace checkpoint::text {

inline constexpr const char* kSaveCaption = "Uložit pozici";
inline constexpr const char* kLoadCaption = "Nahrát pozici";

inline constexpr const char* kAskOverwrite = "V pozici %s je už uložená hra (%s). Chcete ji přepsat?";
inline constexpr const char* kAskOverwriteDamaged = "V pozici %s je už uložená hra. Chcete ji přepsat?";
inline constexpr const char* kAskLoad = "Opravdu chcete nahrát pozici %s (%s)? Rozehraná hra skončí.";
inline constexpr const char* kAskLoadAuto = "Opravdu chcete nahrát automatickou pozici (%s)? Rozehraná hra skončí.";
inline constexpr const char* kAskQuitUnsaved = "%s\nPřesto skončit?";

inline constexpr const char* kSlotEmpty = "Pozice %s je prázdná.";
inline constexpr const char* kAutoSlotEmpty = "Automatická pozice je prázdná.";
inline constexpr const char* kCannotLoad = "Pozici %s nelze nahrát: %s Hra pokračuje beze změny.";
inline constexpr const char* kCannotLoadAuto = "Automatickou pozici nelze nahrát: %s Hra pokračuje beze změny.";
inline constexpr const char* kCannotSave = "Pozici %s se nepodařilo uložit: %s";
inline constexpr const char* kCannotSaveAuto = "Automatickou pozici se nepodařilo uložit: %s";

// Why a slot cannot be read or written, completing the sentences above.
inline constexpr const char* kDamaged = "soubor je poškozený nebo neúplný.";
inline constexpr const char* kNotAPosition = "soubor není uložená pozice této hry.";
inline constexpr const char* kNewerVersion = "byla uložena novější verzí hry, kterou tato verze neumí přečíst.";
inline constexpr const char* kChecksumWrong = "soubor byl změněn nebo poškozen (nesouhlasí kontrolní součet).";
inline constexpr const char* kInvalidValue = "soubor obsahuje neplatný údaj (%s).";
inline constexpr const char* kNotAFile = "na jejím místě není soubor.";
inline constexpr const char* kTooLarge = "soubor je příliš velký, uložená pozice to není.";
inline constexpr const char* kUnreadable = "soubor nelze přečíst.";
inline constexpr const char* kCannotMakeFolder = "složku %s nelze vytvořit.";
inline constexpr const char* kNotAFolder = "%s není složka.";
inline constexpr const char* kCannotWriteFile = "soubor %s nelze zapsat.";
inline constexpr const char* kDiskWriteFailed = "zápis na disk se nezdařil.";

// A slot's place in the list: "1. den – hospoda".
inline constexpr const char* kFirstDay = "1. den – %s";
inline constexpr const char* kSecondDay = "2. den – %s";
inline constexpr const char* kVillageMap = "mapa vesnice";
inline constexpr const char* kVillage = "vesnice";
inline constexpr const char* kGameOver = "konec hry";
inline constexpr const char* kDamagedSlot = "poškozená pozice";

inline constexpr std::array kAll = {
    kSaveCaption,   kLoadCaption,      kAskOverwrite, kAskOverwriteDamaged, kAskLoad,         kAskLoadAuto,
    kAskQuitUnsaved, kSlotEmpty,       kAutoSlotEmpty, kCannotLoad,         kCannotLoadAuto,  kCannotSave,
    kCannotSaveAuto, kDamaged,         kNotAPosition, kNewerVersion,        kChecksumWrong,   kInvalidValue,
    kNotAFile,      kTooLarge,         kUnreadable,   kCannotMakeFolder,    kNotAFolder,      kCannotWriteFile,
    kDiskWriteFailed, kFirstDay,       kSecondDay,    kVillageMap,          kVillage,         kGameOver,
    kDamagedSlot,
};

}  // namespace checkpoint::text

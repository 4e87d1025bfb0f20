// The texts of the boxes the main window asks and shows, in Czech as the game writes them;
// "%s" stands for a file name, a folder or a count.
#pragma once

#include <array>

namespace app::message {

inline constexpr const char* kQuestionCaption = "Dotaz";
inline constexpr const char* kAskNewGame = "Opravdu chcete začít novou hru?";
inline constexpr const char* kQuitCaption = "Konec";
inline constexpr const char* kAskQuit = "Opravdu chcete skončit?";
inline constexpr const char* kCannotLoadPicture = "Nelze načíst obrázek: %s";
inline constexpr const char* kCannotPlaySound = "Nelze přehrát zvuk: %s";

// The start-up look at the data files.
inline constexpr const char* kDataFolder = "Hra hledala své obrázky a zvuky ve složce";
inline constexpr const char* kDataMissing = "Chybí: %s";
inline constexpr const char* kDataUnreadable = "Nelze přečíst: %s";
inline constexpr const char* kDataMore = "a ještě %s";
inline constexpr const char* kDataGoesOn = "Hra poběží dál bez nich.";
// The Czech noun after a count: 1, 2 to 4, 5 and more.
inline constexpr const char* kFilesOne = "%s soubor";
inline constexpr const char* kFilesFew = "%s soubory";
inline constexpr const char* kFilesMany = "%s souborů";

inline constexpr std::array kAll = {
    kQuestionCaption, kAskNewGame,  kQuitCaption, kAskQuit,  kCannotLoadPicture, kCannotPlaySound,
    kDataFolder,      kDataMissing, kDataUnreadable, kDataMore, kDataGoesOn,     kFilesOne,
    kFilesFew,        kFilesMany,
};

}  // namespace app::message

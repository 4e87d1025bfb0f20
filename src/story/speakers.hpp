// Who speaks in the game's dialogue lines: every speaker's name or role, spelled once.
#pragma once

#include <string>

namespace story {

// The three people with names of their own.
inline constexpr const char* kAgent = "Kovář";     // the agent the player plays
inline constexpr const char* kEngineer = "Horák";  // the missing engineer
inline constexpr const char* kHenchman = "Lojza";  // the mayor's henchman

// The villagers, by role.
inline constexpr const char* kMayor = "Starosta";
inline constexpr const char* kInnkeeper = "Hostinský";
inline constexpr const char* kReceptionist = "Recepční";
inline constexpr const char* kShopAssistant = "Prodavačka";
inline constexpr const char* kMaintenanceMan = "Údržbář";
inline constexpr const char* kDirector = "Ředitel";
inline constexpr const char* kDrinker1 = "Opilec 1";
inline constexpr const char* kDrinker2 = "Opilec 2";
inline constexpr const char* kWorker1 = "Muž 1";
inline constexpr const char* kWorker2 = "Muž 2";
inline constexpr const char* kMadman = "Blázen";
inline constexpr const char* kGardener = "Zahradník";

// A speaker talking to himself: "Kovář(pro sebe)".
inline std::string aside(const char* speaker) { return std::string(speaker) + "(pro sebe)"; }
// A speaker shouting: "Starosta(křičí)".
inline std::string shouting(const char* speaker) { return std::string(speaker) + "(křičí)"; }

}  // namespace story

// The texts only the browser page shows, in Czech as the game writes them; the catalogues
// translate them like the game's own.
#pragma once

#include <array>

namespace web {

// The answers of a question box (the desktop's come with its toolkit).
inline constexpr const char* kYes = "Ano";
inline constexpr const char* kNo = "Ne";
// Shown over the page once the game has ended.
inline constexpr const char* kGameEnded = "Hra skončila.";
inline constexpr const char* kPlayAgain = "Hrát znovu";

inline constexpr std::array kPageTexts = {kYes, kNo, kGameEnded, kPlayAgain};

}  // namespace web

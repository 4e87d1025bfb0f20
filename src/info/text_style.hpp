// How an information window draws a text: pixel height, weight and colour (0xRRGGBB).
#pragma once

#include <cstdint>

namespace info {

inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kRed = 0xFF0000;

struct TextStyle {
    int pixelSize = 11;  // the windows' default font is 11 pixels high
    bool bold = false;
    std::uint32_t rgb = kBlack;
};

inline constexpr TextStyle kDefaultText{};

}  // namespace info

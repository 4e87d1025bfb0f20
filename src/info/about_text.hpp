// The About window ("O programu"): the title, version and the maker's lines at their final places.
#pragma once

#include "info/controls_text.hpp"

#include <array>

namespace info {

inline constexpr const char* kAboutCaption = "O programu";
inline constexpr ui::Rect kAboutWindow{0, 0, 410, 312};

// The group box without a caption that holds the five lines; their rectangles are inside it.
inline constexpr ui::Rect kAboutGroupBox{8, 8, 385, 209};

enum AboutLine : int { kTitle, kVersion, kMaker, kWeb, kEmail, kAboutLineCount };

inline constexpr std::array<PlacedText, kAboutLineCount> kAboutLines = {{
    {.name = "Label1", .rect = {40, 16, 299, 37}, .text = "Kvelnor", .style = {.pixelSize = 32, .bold = true, .rgb = kRed}},
    {.name = "Label2", .rect = {152, 64, 0, 0}, .text = "verze 1.0"},
    {.name = "Label3", .rect = {72, 96, 229, 29}, .text = "Studio Kvelnor 2003", .style = {.pixelSize = 23}},
    {.name = "Label5", .rect = {56, 144, 270, 20}, .text = "Web: www.kvelnor.cz", .style = {.pixelSize = 16, .bold = true}},
    {.name = "Label4", .rect = {72, 176, 245, 20}, .text = "E-mail: info@kvelnor.cz", .style = {.pixelSize = 16, .bold = true}},
}};

inline constexpr ui::Rect kAboutOkButton{144, 232, 100, 33};

}  // namespace info

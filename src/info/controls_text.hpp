// The Controls window ("Ovládání"): its heading, the seven help lines and where they stand.
#pragma once

#include "info/text_style.hpp"
#include "ui/rect.hpp"

#include <array>

namespace info {

// A label at its design place; width and height 0 mean it sizes itself to its text.
struct PlacedText {
    const char* name;
    ui::Rect rect;
    const char* text;
    TextStyle style = kDefaultText;
};

inline constexpr const char* kControlsCaption = "Ovládání";
inline constexpr ui::Rect kControlsWindow{0, 0, 521, 279};

inline constexpr PlacedText kControlsHeading{
    .name = "Label1", .rect = {8, 8, 0, 0}, .text = "Levé tlačítko myši:", .style = {.pixelSize = 16, .bold = true}};

// The raised panel that holds the help lines; their rectangles are inside it.
inline constexpr ui::Rect kHelpPanel{8, 32, 497, 153};

// Top to bottom as the player reads them (their component names are not in that order).
// The spacing around the colons and after the comma is the game's own.
inline constexpr std::array<PlacedText, 7> kHelpLines = {{
    {.name = "Label3", .rect = {10, 8, 0, 0}, .text = "Kliknutí na předmět v inventáři :  Vezme předmět do ruky"},
    {.name = "Label4", .rect = {10, 28, 0, 0}, .text = "Kliknutí na tlačítko Zpět : Vrátí předmět do inventáře"},
    {.name = "Label5", .rect = {10, 48, 0, 0},
     .text = "Kliknutí s předmětem v ruce na věc v hlavním okně  :  Použije předmět na věc"},
    {.name = "Label6", .rect = {10, 68, 0, 0},
     .text = "Pro spojení dvou předmětů klikněte s předmětem v ruce na tlačítko SPOJIT a poté na druhý předmět"},
    {.name = "Label10", .rect = {10, 88, 0, 0},
     .text = "Poklepání na předmět v inventáři : Rozebere předmět na dva předměty"},
    {.name = "Label7", .rect = {10, 108, 0, 0},
     .text = "Kliknutí prázdnou rukou na věc v hlavním okně : Sebere,prozkoumá nebo promluví s objektem"},
    {.name = "Label2", .rect = {10, 128, 0, 0},
     .text = "Kliknutí na předmět v inventáři a tlačítko Průzkum : Prozkoumá předmět"},
}};

inline constexpr ui::Rect kControlsOkButton{204, 200, 100, 33};
inline constexpr const char* kOkCaption = "OK";

}  // namespace info

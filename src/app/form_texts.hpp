// The captions of the main window's menu and buttons, in Czech as the game writes them.
#pragma once

#include <array>

namespace app {

struct MenuRow {
    const char* name;
    const char* caption;
    const char* parent;  // nullptr for a top-level menu
};

// In the menu bar's order, each item after its parent.
inline constexpr std::array<MenuRow, 13> kMenuRows = {{
    {"mmHra", "Hra", nullptr},
    {"mmNova", "Nová", "mmHra"},
    {"mmNahrat", "Nahrát", "mmHra"},
    {"mmKonec", "Konec", "mmHra"},
    {"mmNastaveni", "Nastavení", nullptr},
    {"mmRychlost", "Rychlost animací", "mmNastaveni"},
    {"mmVysoka", "Vysoká", "mmRychlost"},
    {"mmStredni", "Střední", "mmRychlost"},
    {"mmNizka", "Nízká", "mmRychlost"},
    {"mmZvuky", "Zvuky", "mmNastaveni"},
    {"mmInformace", "Informace", nullptr},
    {"mmOvladani", "Ovládání", "mmInformace"},
    {"mmOprogramu", "O programu", "mmInformace"},
}};

inline constexpr const char* kZpetCaption = "Zpět";
inline constexpr const char* kPruzkumCaption = "Průzkum";
inline constexpr const char* kSpojitCaption = "Spojit";

}  // namespace app

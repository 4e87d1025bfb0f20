// The seventeen item captions, spelled once, and their fixed order in the inventory list.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace item {

inline constexpr const char* drat = "Drát";
inline constexpr const char* hrebik = "Hřebík";
inline constexpr const char* kladivo = "Kladivo";
inline constexpr const char* kreditniKarta = "Kreditní karta";
inline constexpr const char* mapa = "Mapa";
inline constexpr const char* matka = "Matka";
inline constexpr const char* mobilniTelefon = "Mobilní telefon";
inline constexpr const char* naboje = "Náboje";
inline constexpr const char* noviny = "Noviny";
inline constexpr const char* penize = "Peníze";
inline constexpr const char* sluzebniPrukaz = "Služební průkaz";
inline constexpr const char* tyc = "Tyč";
inline constexpr const char* vlasec = "Vlasec";
inline constexpr const char* vlasecMatka = "Vlasec + matka";
inline constexpr const char* zapisnik = "Zápisník";
inline constexpr const char* zasobnik = "Zásobník";
inline constexpr const char* zbran = "Zbraň";

// The list's order: a locale comparison that reads á as a, so "Zápisník" and "Zásobník"
// come before "Zbraň" (a byte comparison would get this wrong).
inline constexpr std::array<std::string_view, 17> kListOrder = {
    drat,  hrebik, kladivo,       kreditniKarta, mapa, matka,  mobilniTelefon, naboje,   noviny,
    penize, sluzebniPrukaz, tyc, vlasec, vlasecMatka, zapisnik, zasobnik, zbran,
};

// Position of a caption in kListOrder; captions the game does not know sort after all items.
int rank(const std::string& caption);

}  // namespace item

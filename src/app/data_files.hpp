// Every picture and sound file the game names, spelled once; paths are relative to the
// working directory.
#pragma once

#include <array>
#include <string_view>

namespace pic {
inline constexpr const char* bankomat1 = "data/bankomat1.bmp";
inline constexpr const char* bankomat2 = "data/bankomat2.bmp";
inline constexpr const char* credits1 = "data/credits1.bmp";
inline constexpr const char* credits2 = "data/credits2.bmp";
inline constexpr const char* dead = "data/dead.bmp";
inline constexpr const char* drat = "data/drat.bmp";
inline constexpr const char* drat_mini = "data/drat-mini.bmp";
inline constexpr const char* el1 = "data/el1.bmp";
inline constexpr const char* el2 = "data/el2.bmp";
inline constexpr const char* el3 = "data/el3.bmp";
inline constexpr const char* el4 = "data/el4.bmp";
inline constexpr const char* eldrat = "data/eldrat.bmp";
inline constexpr const char* elektr1 = "data/elektr1.bmp";
inline constexpr const char* elektr2 = "data/elektr2.bmp";
inline constexpr const char* elektr3 = "data/elektr3.bmp";
inline constexpr const char* elektr4 = "data/elektr4.bmp";
inline constexpr const char* elektr5 = "data/elektr5.bmp";
inline constexpr const char* elhrebik = "data/elhrebik.bmp";
inline constexpr const char* elvlasec = "data/elvlasec.bmp";
inline constexpr const char* hospoda1 = "data/hospoda1.bmp";
inline constexpr const char* hospoda2 = "data/hospoda2.bmp";
inline constexpr const char* hospoda3 = "data/hospoda3.bmp";
inline constexpr const char* hospoda4a = "data/hospoda4a.bmp";
inline constexpr const char* hospoda4b = "data/hospoda4b.bmp";
inline constexpr const char* hrebik = "data/hrebik.bmp";
inline constexpr const char* hrebik_mini = "data/hrebik-mini.bmp";
inline constexpr const char* karta = "data/karta.bmp";
inline constexpr const char* karta_mini = "data/karta-mini.bmp";
inline constexpr const char* kladivo = "data/kladivo.bmp";
inline constexpr const char* kladivo_mini = "data/kladivo-mini.bmp";
inline constexpr const char* konec = "data/konec.bmp";
inline constexpr const char* mapa = "data/mapa.bmp";
inline constexpr const char* mapa_mini = "data/mapa-mini.bmp";
inline constexpr const char* maptov = "data/maptov.bmp";
inline constexpr const char* matka = "data/matka.bmp";
inline constexpr const char* matka_mini = "data/matka-mini.bmp";
inline constexpr const char* matka_vlasec = "data/matka+vlasec.bmp";
inline constexpr const char* matka_vlasec_mini = "data/matka+vlasec-mini.bmp";
inline constexpr const char* mobil = "data/mobil.bmp";
inline constexpr const char* mobil_mini = "data/mobil-mini.bmp";
inline constexpr const char* naboje = "data/naboje.bmp";
inline constexpr const char* naboje_mini = "data/naboje-mini.bmp";
inline constexpr const char* namesti1 = "data/namesti1.bmp";
inline constexpr const char* noviny = "data/noviny.bmp";
inline constexpr const char* noviny_mini = "data/noviny-mini.bmp";
inline constexpr const char* park = "data/park.bmp";
inline constexpr const char* penize1 = "data/penize1.bmp";
inline constexpr const char* penize2 = "data/penize2.bmp";
inline constexpr const char* penize3 = "data/penize3.bmp";
inline constexpr const char* penize1_mini = "data/penize1-mini.bmp";
inline constexpr const char* penize2_mini = "data/penize2-mini.bmp";
inline constexpr const char* penize3_mini = "data/penize3-mini.bmp";
inline constexpr const char* pokoj1 = "data/pokoj1.bmp";
inline constexpr const char* pokoj1a = "data/pokoj1a.bmp";
inline constexpr const char* pokoj2a = "data/pokoj2a.bmp";
inline constexpr const char* pokoj2b = "data/pokoj2b.bmp";
inline constexpr const char* pokoj2c = "data/pokoj2c.bmp";
inline constexpr const char* pokoj2d = "data/pokoj2d.bmp";
inline constexpr const char* prukaz = "data/prukaz.bmp";
inline constexpr const char* prukaz_mini = "data/prukaz-mini.bmp";
inline constexpr const char* story1 = "data/1.bmp";
inline constexpr const char* story2 = "data/2.bmp";
inline constexpr const char* story3 = "data/3.bmp";
inline constexpr const char* story4 = "data/4.bmp";
inline constexpr const char* story5 = "data/5.bmp";
inline constexpr const char* story6 = "data/6.bmp";
inline constexpr const char* story7 = "data/7.bmp";
inline constexpr const char* story8 = "data/8.bmp";
inline constexpr const char* story9 = "data/9.bmp";
inline constexpr const char* story10 = "data/10.bmp";
inline constexpr const char* story11 = "data/11.bmp";
inline constexpr const char* story12 = "data/12.bmp";
inline constexpr const char* story13 = "data/13.bmp";
inline constexpr const char* story14 = "data/14.bmp";
inline constexpr const char* story15 = "data/15.bmp";
inline constexpr const char* story16 = "data/16.bmp";
inline constexpr const char* story17 = "data/17.bmp";
inline constexpr const char* story18 = "data/18.bmp";
inline constexpr const char* tomatka = "data/tomatka.bmp";
inline constexpr const char* totyc = "data/totyc.bmp";
inline constexpr const char* tovarna1 = "data/tovarna1.bmp";
inline constexpr const char* tovarna2 = "data/tovarna2.bmp";
inline constexpr const char* tovarna3 = "data/tovarna3.bmp";
inline constexpr const char* tovarna4a = "data/tovarna4a.bmp";
inline constexpr const char* tovarna4b = "data/tovarna4b.bmp";
inline constexpr const char* trafika1 = "data/trafika1.bmp";
inline constexpr const char* trafika2 = "data/trafika2.bmp";
inline constexpr const char* trkladivo = "data/trkladivo.bmp";
inline constexpr const char* tt4 = "data/tt4.bmp";
inline constexpr const char* tt1a = "data/tt1a.bmp";
inline constexpr const char* tt1b = "data/tt1b.bmp";
inline constexpr const char* tt1c = "data/tt1c.bmp";
inline constexpr const char* tt2a = "data/tt2a.bmp";
inline constexpr const char* tt2b = "data/tt2b.bmp";
inline constexpr const char* tt3a = "data/tt3a.bmp";
inline constexpr const char* tt3b = "data/tt3b.bmp";
inline constexpr const char* tv = "data/tv.bmp";
inline constexpr const char* tyc = "data/tyc.bmp";
inline constexpr const char* tyc_mini = "data/tyc-mini.bmp";
inline constexpr const char* urad1 = "data/urad1.bmp";
inline constexpr const char* urad2 = "data/urad2.bmp";
inline constexpr const char* urad4 = "data/urad4.bmp";
inline constexpr const char* urad3a = "data/urad3a.bmp";
inline constexpr const char* urad3b = "data/urad3b.bmp";
inline constexpr const char* urad3c = "data/urad3c.bmp";
inline constexpr const char* uvod = "data/Uvod.bmp";
inline constexpr const char* vlasec = "data/vlasec.bmp";
inline constexpr const char* vlasec_mini = "data/vlasec-mini.bmp";
inline constexpr const char* zapisnik = "data/zapisnik.bmp";
inline constexpr const char* zapisnik_mini = "data/zapisnik-mini.bmp";
inline constexpr const char* zasobnik = "data/zasobnik.bmp";
inline constexpr const char* zasobnik2 = "data/zasobnik2.bmp";
inline constexpr const char* zasobnik_mini = "data/zasobnik-mini.bmp";
inline constexpr const char* zasobnik_mini2 = "data/zasobnik-mini2.bmp";
inline constexpr const char* zbran = "data/zbran.bmp";
inline constexpr const char* zbran2 = "data/zbran2.bmp";
inline constexpr const char* zbran_mini = "data/zbran-mini.bmp";
inline constexpr const char* zbran_mini2 = "data/zbran-mini2.bmp";
}  // namespace pic

namespace snd {
inline constexpr const char* bankomat = "data/bankomat.wav";
inline constexpr const char* kasa = "data/kasa.wav";
inline constexpr const char* key1 = "data/1.wav";
inline constexpr const char* key2 = "data/2.wav";
inline constexpr const char* key3 = "data/3.wav";
inline constexpr const char* key4 = "data/4.wav";
inline constexpr const char* kladivo = "data/kladivo.wav";
inline constexpr const char* strelba = "data/strelba.wav";
inline constexpr const char* zapisnik = "data/zapisnik.wav";
}  // namespace snd

namespace app {

// The compiled translation catalogues, one CODE.mo for each language besides Czech.
inline constexpr const char* kCatalogueDirectory = "data/lang";

// Every file above: what the start-up check looks at, the data generator writes and its test checks.
inline constexpr std::array<std::string_view, 127> kAllDataFiles = {
    pic::bankomat1,
    pic::bankomat2,
    pic::credits1,
    pic::credits2,
    pic::dead,
    pic::drat,
    pic::drat_mini,
    pic::el1,
    pic::el2,
    pic::el3,
    pic::el4,
    pic::eldrat,
    pic::elektr1,
    pic::elektr2,
    pic::elektr3,
    pic::elektr4,
    pic::elektr5,
    pic::elhrebik,
    pic::elvlasec,
    pic::hospoda1,
    pic::hospoda2,
    pic::hospoda3,
    pic::hospoda4a,
    pic::hospoda4b,
    pic::hrebik,
    pic::hrebik_mini,
    pic::karta,
    pic::karta_mini,
    pic::kladivo,
    pic::kladivo_mini,
    pic::konec,
    pic::mapa,
    pic::mapa_mini,
    pic::maptov,
    pic::matka,
    pic::matka_mini,
    pic::matka_vlasec,
    pic::matka_vlasec_mini,
    pic::mobil,
    pic::mobil_mini,
    pic::naboje,
    pic::naboje_mini,
    pic::namesti1,
    pic::noviny,
    pic::noviny_mini,
    pic::park,
    pic::penize1,
    pic::penize2,
    pic::penize3,
    pic::penize1_mini,
    pic::penize2_mini,
    pic::penize3_mini,
    pic::pokoj1,
    pic::pokoj1a,
    pic::pokoj2a,
    pic::pokoj2b,
    pic::pokoj2c,
    pic::pokoj2d,
    pic::prukaz,
    pic::prukaz_mini,
    pic::story1,
    pic::story2,
    pic::story3,
    pic::story4,
    pic::story5,
    pic::story6,
    pic::story7,
    pic::story8,
    pic::story9,
    pic::story10,
    pic::story11,
    pic::story12,
    pic::story13,
    pic::story14,
    pic::story15,
    pic::story16,
    pic::story17,
    pic::story18,
    pic::tomatka,
    pic::totyc,
    pic::tovarna1,
    pic::tovarna2,
    pic::tovarna3,
    pic::tovarna4a,
    pic::tovarna4b,
    pic::trafika1,
    pic::trafika2,
    pic::trkladivo,
    pic::tt4,
    pic::tt1a,
    pic::tt1b,
    pic::tt1c,
    pic::tt2a,
    pic::tt2b,
    pic::tt3a,
    pic::tt3b,
    pic::tv,
    pic::tyc,
    pic::tyc_mini,
    pic::urad1,
    pic::urad2,
    pic::urad4,
    pic::urad3a,
    pic::urad3b,
    pic::urad3c,
    pic::uvod,
    pic::vlasec,
    pic::vlasec_mini,
    pic::zapisnik,
    pic::zapisnik_mini,
    pic::zasobnik,
    pic::zasobnik2,
    pic::zasobnik_mini,
    pic::zasobnik_mini2,
    pic::zbran,
    pic::zbran2,
    pic::zbran_mini,
    pic::zbran_mini2,
    snd::bankomat,
    snd::kasa,
    snd::key1,
    snd::key2,
    snd::key3,
    snd::key4,
    snd::kladivo,
    snd::strelba,
    snd::zapisnik,
};

}  // namespace app

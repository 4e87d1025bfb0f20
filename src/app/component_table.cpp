// The main window's picture and label components in stacking order (lowest first).
#include "app/component_table.hpp"

namespace app {

namespace {
using K = ui::ComponentKind;
}  // namespace

// Labels size themselves to their text, so they are listed with an empty rectangle here
// and never take the mouse; the scene picture starts at (112, 0).
const std::vector<ComponentRow>& componentTable() {
    static const std::vector<ComponentRow> table = {
    {"imgHlavni", K::Picture, {112, 0, 800, 600}, ""},
    {"imgInv1", K::HeldPicture, {926, 95, 60, 60}, "Služební průkaz"},
    {"imgInv2", K::HeldPicture, {934, 174, 60, 60}, "Kreditní karta"},
    {"imgInv3", K::HeldPicture, {934, 252, 60, 60}, "Zbraň"},
    {"imgInv4", K::HeldPicture, {934, 331, 60, 60}, "Zásobník"},
    {"imgInv5", K::HeldPicture, {934, 418, 60, 60}, "Náboje"},
    {"imgInv6", K::HeldPicture, {934, 561, 60, 60}, "Zápisník s tel.čísly"},
    {"imgCur1", K::Hotspot, {504, 288, 97, 105}, ""},
    {"imgCur2", K::Hotspot, {120, 544, 785, 49}, ""},
    {"imgCur3", K::Hotspot, {392, 192, 241, 217}, ""},
    {"imgCur4", K::Hotspot, {256, 80, 409, 505}, ""},
    {"imgCur5", K::Hotspot, {480, 160, 201, 225}, ""},
    {"imgCur6", K::Hotspot, {832, 16, 73, 577}, ""},
    {"imgCur7", K::Hotspot, {120, 8, 65, 585}, ""},
    {"imgCur8", K::Hotspot, {456, 328, 137, 113}, ""},
    {"imgCur9", K::Hotspot, {424, 264, 161, 193}, ""},
    {"imgCur10", K::Hotspot, {144, 144, 177, 257}, ""},
    {"imgCur11", K::Hotspot, {528, 192, 137, 169}, ""},
    {"imgCur12", K::Hotspot, {520, 72, 249, 289}, ""},
    {"imgCur13", K::Hotspot, {120, 64, 105, 425}, ""},
    {"imgCur14", K::Hotspot, {256, 264, 185, 201}, ""},
    {"imgCur15", K::Hotspot, {584, 72, 65, 41}, ""},
    {"imgInv7", K::HeldPicture, {935, 135, 60, 60}, "Peníze"},
    {"imgCur16", K::Hotspot, {296, 24, 321, 377}, ""},
    {"imgInv8", K::HeldPicture, {935, 213, 60, 60}, "Mapa"},
    {"imgMap1", K::MapSpot, {520, 256, 41, 41}, "Náměstí"},
    {"imgMap2", K::MapSpot, {248, 416, 49, 41}, "Elektrárna"},
    {"imgMap3", K::MapSpot, {328, 232, 49, 49}, "Park"},
    {"imgCur17", K::Hotspot, {216, 488, 57, 41}, ""},
    {"imgInv9", K::HeldPicture, {935, 293, 60, 60}, "Hřebík"},
    {"imgCur18", K::Hotspot, {688, 320, 105, 113}, ""},
    {"imgCur19", K::Hotspot, {448, 232, 105, 185}, ""},
    {"imgCur20", K::Hotspot, {832, 144, 73, 377}, ""},
    {"imgCur21", K::Hotspot, {584, 408, 41, 49}, ""},
    {"imgInv10", K::HeldPicture, {935, 370, 60, 60}, "Kladivo"},
    {"imgCur22", K::Hotspot, {626, 275, 70, 77}, ""},
    {"imgCur23", K::Hotspot, {336, 224, 129, 185}, ""},
    {"imgCur24", K::Hotspot, {336, 168, 329, 305}, ""},
    {"lblX", K::Label, {672, 520, 0, 0}, ""},
    {"imgCur26", K::Hotspot, {346, 512, 112, 19}, ""},
    {"imgCur25", K::Hotspot, {296, 400, 63, 22}, ""},
    {"imgInv11", K::HeldPicture, {935, 450, 60, 60}, "Vlasec"},
    {"imgInv12", K::HeldPicture, {936, 528, 60, 60}, "Drát"},
    {"imgMap4", K::MapSpot, {704, 400, 33, 33}, "Továrna"},
    {"imgCur27", K::Hotspot, {568, 320, 105, 121}, ""},
    {"imgCur28", K::Hotspot, {440, 152, 137, 161}, ""},
    {"imgCur29", K::Hotspot, {120, 248, 73, 209}, ""},
    {"imgCur30", K::Hotspot, {508, 457, 42, 29}, ""},
    {"imgInv13", K::HeldPicture, {936, 616, 60, 60}, "Tyč"},
    {"imgCur31", K::Hotspot, {832, 96, 73, 441}, ""},
    {"imgCur32", K::Hotspot, {840, 448, 32, 28}, ""},
    {"imgInv14", K::HeldPicture, {928, 16, 60, 60}, ""},
    {"imgCur33", K::Hotspot, {816, 248, 97, 313}, ""},
    {"lblkasa1", K::Label, {740, 275, 0, 0}, ""},
    {"lblkasa2", K::Label, {758, 275, 0, 0}, ""},
    {"imgInv15", K::HeldPicture, {928, 48, 60, 60}, ""},
    {"imgCur34", K::Hotspot, {160, 328, 249, 153}, ""},
    {"imgCur35", K::Hotspot, {344, 200, 113, 233}, ""},
    {"imgCur36", K::Hotspot, {584, 304, 57, 73}, ""},
    {"imgInv16", K::HeldPicture, {920, 8, 60, 60}, ""},
    {"imgCur37", K::Hotspot, {440, 224, 377, 289}, ""},
    {"imgCur38", K::Hotspot, {432, 288, 49, 57}, ""},
    {"imgCur39", K::Hotspot, {120, 168, 81, 297}, ""},
    {"imgCur40", K::Hotspot, {288, 200, 25, 25}, ""},
    {"imgCur41", K::Hotspot, {344, 104, 169, 129}, ""},
    {"imgInv17", K::HeldPicture, {936, 16, 60, 60}, ""},
    {"imgCur42", K::Hotspot, {736, 128, 89, 113}, ""},
    {"imgCur43", K::Hotspot, {392, 90, 265, 318}, ""},
    {"imgCur44", K::Hotspot, {352, 24, 241, 489}, ""},
    {"imgCur45", K::Hotspot, {832, 80, 73, 425}, ""},
    {"imgCur46", K::Hotspot, {408, 232, 329, 209}, ""},
    {"imgCur47", K::Hotspot, {392, 152, 273, 41}, ""},
    {"imgClona", K::Shield, {112, 0, 800, 600}, ""},
    };
    return table;
}

}  // namespace app

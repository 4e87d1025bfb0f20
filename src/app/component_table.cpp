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
    {"imgHlavni", K::Picture, {112, 0, 800, 600}, ""},                        // the scene picture
    {"imgInv1", K::HeldPicture, {926, 95, 60, 60}, "Služební průkaz"},        // held picture of held::ServiceCard
    {"imgInv2", K::HeldPicture, {934, 174, 60, 60}, "Kreditní karta"},        // held picture of held::CreditCard
    {"imgInv3", K::HeldPicture, {934, 252, 60, 60}, "Zbraň"},                 // held picture of held::Gun
    {"imgInv4", K::HeldPicture, {934, 331, 60, 60}, "Zásobník"},              // held picture of held::Magazine
    {"imgInv5", K::HeldPicture, {934, 418, 60, 60}, "Náboje"},                // held picture of held::Cartridges
    {"imgInv6", K::HeldPicture, {934, 561, 60, 60}, "Zápisník s tel.čísly"},  // held picture of held::Notebook
    {"imgCur1", K::Hotspot, {504, 288, 97, 105}, ""},                         // hotspot::TownHallDoor
    {"imgCur2", K::Hotspot, {120, 544, 785, 49}, ""},                         // hotspot::StepBack
    {"imgCur3", K::Hotspot, {392, 192, 241, 217}, ""},                        // hotspot::TownHallInnerDoor
    {"imgCur4", K::Hotspot, {256, 80, 409, 505}, ""},                         // hotspot::OfficeDoor
    {"imgCur5", K::Hotspot, {480, 160, 201, 225}, ""},                        // hotspot::Mayor
    {"imgCur6", K::Hotspot, {832, 16, 73, 577}, ""},                          // hotspot::WalkRight
    {"imgCur7", K::Hotspot, {120, 8, 65, 585}, ""},                           // hotspot::WalkLeft
    {"imgCur8", K::Hotspot, {456, 328, 137, 113}, ""},                        // hotspot::InnDoor
    {"imgCur9", K::Hotspot, {424, 264, 161, 193}, ""},                        // hotspot::ShopDoor
    {"imgCur10", K::Hotspot, {144, 144, 177, 257}, ""},                       // hotspot::Innkeeper
    {"imgCur11", K::Hotspot, {528, 192, 137, 169}, ""},                       // hotspot::ToReception
    {"imgCur12", K::Hotspot, {520, 72, 249, 289}, ""},                        // hotspot::Receptionist
    {"imgCur13", K::Hotspot, {120, 64, 105, 425}, ""},                        // hotspot::ToRoom
    {"imgCur14", K::Hotspot, {256, 264, 185, 201}, ""},                       // hotspot::CashMachine
    {"imgCur15", K::Hotspot, {584, 72, 65, 41}, ""},                          // hotspot::CardSlot
    {"imgInv7", K::HeldPicture, {935, 135, 60, 60}, "Peníze"},                // held picture of held::Money
    {"imgCur16", K::Hotspot, {296, 24, 321, 377}, ""},                        // hotspot::ShopAssistant
    {"imgInv8", K::HeldPicture, {935, 213, 60, 60}, "Mapa"},                  // held picture of held::Map
    {"imgMap1", K::MapSpot, {520, 256, 41, 41}, "Náměstí"},                   // mapspot::Square
    {"imgMap2", K::MapSpot, {248, 416, 49, 41}, "Elektrárna"},                // mapspot::PowerPlant
    {"imgMap3", K::MapSpot, {328, 232, 49, 49}, "Park"},                      // mapspot::Park
    {"imgCur17", K::Hotspot, {216, 488, 57, 41}, ""},                         // hotspot::Nail
    {"imgInv9", K::HeldPicture, {935, 293, 60, 60}, "Hřebík"},                // held picture of held::Nail
    {"imgCur18", K::Hotspot, {688, 320, 105, 113}, ""},                       // hotspot::IntoYard
    {"imgCur19", K::Hotspot, {448, 232, 105, 185}, ""},                       // hotspot::MaintenanceMan
    {"imgCur20", K::Hotspot, {832, 144, 73, 377}, ""},                        // hotspot::StoreroomDoor
    {"imgCur21", K::Hotspot, {584, 408, 41, 49}, ""},                         // hotspot::Hammer
    {"imgInv10", K::HeldPicture, {935, 370, 60, 60}, "Kladivo"},              // held picture of held::Hammer
    {"imgCur22", K::Hotspot, {626, 275, 70, 77}, ""},                         // hotspot::StoreroomLock
    {"imgCur23", K::Hotspot, {336, 224, 129, 185}, ""},                       // hotspot::MachineHallDoor
    {"imgCur24", K::Hotspot, {336, 168, 329, 305}, ""},                       // hotspot::PlantBackRoomDoor
    {"lblX", K::Label, {672, 520, 0, 0}, ""},                                 // the location caption
    {"imgCur26", K::Hotspot, {346, 512, 112, 19}, ""},                        // hotspot::Wire
    {"imgCur25", K::Hotspot, {296, 400, 63, 22}, ""},                         // hotspot::FishingLine
    {"imgInv11", K::HeldPicture, {935, 450, 60, 60}, "Vlasec"},               // held picture of held::FishingLine
    {"imgInv12", K::HeldPicture, {936, 528, 60, 60}, "Drát"},                 // held picture of held::Wire
    {"imgMap4", K::MapSpot, {704, 400, 33, 33}, "Továrna"},                   // mapspot::Factory
    {"imgCur27", K::Hotspot, {568, 320, 105, 121}, ""},                       // hotspot::FactoryEntrance
    {"imgCur28", K::Hotspot, {440, 152, 137, 161}, ""},                       // hotspot::Director
    {"imgCur29", K::Hotspot, {120, 248, 73, 209}, ""},                        // hotspot::ToSideYard
    {"imgCur30", K::Hotspot, {508, 457, 42, 29}, ""},                         // hotspot::Rod
    {"imgInv13", K::HeldPicture, {936, 616, 60, 60}, "Tyč"},                  // held picture of held::Rod
    {"imgCur31", K::Hotspot, {832, 96, 73, 441}, ""},                         // hotspot::FactoryStoreDoor
    {"imgCur32", K::Hotspot, {840, 448, 32, 28}, ""},                         // hotspot::Nut
    {"imgInv14", K::HeldPicture, {928, 16, 60, 60}, ""},                      // held picture of held::Nut
    {"imgCur33", K::Hotspot, {816, 248, 97, 313}, ""},                        // hotspot::RegularsTable
    {"lblkasa1", K::Label, {740, 275, 0, 0}, ""},                             // the till's first digit
    {"lblkasa2", K::Label, {758, 275, 0, 0}, ""},                             // the till's second digit
    {"imgInv15", K::HeldPicture, {928, 48, 60, 60}, ""},                      // held picture of held::Newspaper
    {"imgCur34", K::Hotspot, {160, 328, 249, 153}, ""},                       // hotspot::Well
    {"imgCur35", K::Hotspot, {344, 200, 113, 233}, ""},                       // hotspot::Madman
    {"imgCur36", K::Hotspot, {584, 304, 57, 73}, ""},                         // hotspot::OfficeDoorLock
    {"imgInv16", K::HeldPicture, {920, 8, 60, 60}, ""},                       // held picture of held::Phone
    {"imgCur37", K::Hotspot, {440, 224, 377, 289}, ""},                       // hotspot::MayorsBackRoomDoor
    {"imgCur38", K::Hotspot, {432, 288, 49, 57}, ""},                         // hotspot::SecretButton
    {"imgCur39", K::Hotspot, {120, 168, 81, 297}, ""},                        // hotspot::SecretEntrance
    {"imgCur40", K::Hotspot, {288, 200, 25, 25}, ""},                         // hotspot::Notebook
    {"imgCur41", K::Hotspot, {344, 104, 169, 129}, ""},                       // hotspot::Window
    {"imgInv17", K::HeldPicture, {936, 16, 60, 60}, ""},                      // held picture of held::LineWithNut
    {"imgCur42", K::Hotspot, {736, 128, 89, 113}, ""},                        // hotspot::Gardener
    {"imgCur43", K::Hotspot, {392, 90, 265, 318}, ""},                        // hotspot::FirstRoomWayOn
    {"imgCur44", K::Hotspot, {352, 24, 241, 489}, ""},                        // hotspot::Prisoner
    {"imgCur45", K::Hotspot, {832, 80, 73, 425}, ""},                         // hotspot::SecondRoomWayOn
    {"imgCur46", K::Hotspot, {408, 232, 329, 209}, ""},                       // hotspot::ThirdRoomWayOn
    {"imgCur47", K::Hotspot, {392, 152, 273, 41}, ""},                        // hotspot::DoorToBar
    {"imgClona", K::Shield, {112, 0, 800, 600}, ""},                          // the input shield, above every hotspot
    };
    return table;
}

}  // namespace app

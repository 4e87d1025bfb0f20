// The cursor each hotspot shows under the pointer.
#include "app/main_form.hpp"

namespace app {

namespace {

// A cursor that depends on the story; these hotspots are handled in code below.
constexpr int kByRule = -1;

// The cursor of imgCur1 ... imgCur47 by number; index 0 is unused.
constexpr std::array<int, kHotspotCount + 1> kHotspotCursors = {
    kCursorDefault,
    kCursorUp,     // TownHallDoor
    kCursorDown,   // StepBack
    kCursorUp,     // TownHallInnerDoor
    kCursorUp,     // OfficeDoor
    kByRule,       // Mayor
    kCursorRight,  // WalkRight
    kCursorLeft,   // WalkLeft
    kCursorUp,     // InnDoor
    kCursorUp,     // ShopDoor
    kCursorTalk,   // Innkeeper
    kCursorUp,     // ToReception
    kCursorTalk,   // Receptionist
    kCursorUp,     // ToRoom
    kCursorUp,     // CashMachine
    kCursorHand,   // CardSlot
    kCursorTalk,   // ShopAssistant
    kByRule,       // Nail
    kCursorUp,     // IntoYard
    kByRule,       // MaintenanceMan
    kCursorRight,  // StoreroomDoor
    kCursorHand,   // Hammer
    kCursorHand,   // StoreroomLock
    kCursorUp,     // MachineHallDoor
    kCursorUp,     // PlantBackRoomDoor
    kCursorHand,   // FishingLine
    kCursorHand,   // Wire
    kCursorUp,     // FactoryEntrance
    kCursorTalk,   // Director
    kCursorLeft,   // ToSideYard
    kCursorHand,   // Rod
    kCursorRight,  // FactoryStoreDoor
    kCursorHand,   // Nut
    kCursorRight,  // RegularsTable
    kCursorUp,     // Well
    kCursorTalk,   // Madman
    kCursorHand,   // OfficeDoorLock
    kCursorUp,     // MayorsBackRoomDoor
    kCursorHand,   // SecretButton
    kCursorUp,     // SecretEntrance
    kCursorHand,   // Notebook
    kCursorUp,     // Window
    kByRule,       // Gardener
    kCursorUp,     // FirstRoomWayOn
    kCursorTalk,   // Prisoner
    kCursorRight,  // SecondRoomWayOn
    kCursorUp,     // ThirdRoomWayOn
    kByRule,       // DoorToBar
};

// The mayor and the maintenance man: talk, the hand where the service card is wanted and
// held, else nothing to do.
int cardTalkCursor(const TfrmHlavni& f, int talkStage, int cardStage, int laterTalkStage) {
    const int storyStage = f.state.storyStage;
    if (storyStage == talkStage || storyStage == laterTalkStage) return kCursorTalk;
    if (storyStage == cardStage) return f.holding(held::ServiceCard) ? kCursorHand : kCursorTalk;
    return kCursorDefault;
}

}  // namespace

void TfrmHlavni::imgCurMouseMove(int n) {
    ui::Component& spot = cur(n);
    switch (n) {
        case hotspot::Mayor:
            spot.setCursor(cardTalkCursor(*this, stage::Start, stage::MayorWantsCard, stage::SettledIn));
            break;
        case hotspot::Nail: spot.setCursor(state.nailTaken == 0 ? kCursorHand : kCursorDefault); break;
        case hotspot::MaintenanceMan:
            spot.setCursor(cardTalkCursor(*this, stage::MapBought, stage::MaintenanceWantsCard, stage::LockRepaired));
            break;
        case hotspot::Gardener:
            // Only the line with the nut reaches the gardener; any other item keeps following.
            if (!holding(held::LineWithNut)) return;
            spot.setCursor(kCursorHand);
            break;
        case hotspot::DoorToBar:
            if (holding(held::Rod)) spot.setCursor(kCursorHand);
            break;
        default: spot.setCursor(kHotspotCursors.at(static_cast<std::size_t>(n))); break;
    }
    hideHeldPicture();
}

void TfrmHlavni::imgMapMouseMove(int n) {
    map(n).setCursor(kCursorUp);
    hideHeldPicture();
}

}  // namespace app

// The cursor each hotspot shows under the pointer.
#include "app/main_form.hpp"

namespace app {

namespace {

// A cursor that depends on the story; these hotspots are handled in code below.
constexpr int kByRule = -1;

// The cursor of imgCur1 ... imgCur47 by number; index 0 is unused.
constexpr std::array<int, kHotspotCount + 1> kHotspotCursors = {
    kCursorDefault,
    kCursorUp,     // 1 town hall door
    kCursorDown,   // 2 step back
    kCursorUp,     // 3 town hall inner door
    kCursorUp,     // 4 office door
    kByRule,       // 5 the mayor
    kCursorRight,  // 6 walk right
    kCursorLeft,   // 7 walk left
    kCursorUp,     // 8 inn door
    kCursorUp,     // 9 shop door
    kCursorTalk,   // 10 the innkeeper
    kCursorUp,     // 11 to the reception
    kCursorTalk,   // 12 the receptionist
    kCursorUp,     // 13 to the room
    kCursorUp,     // 14 the cash machine
    kCursorHand,   // 15 the card slot
    kCursorTalk,   // 16 the shop assistant
    kByRule,       // 17 the nail
    kCursorUp,     // 18 into the power plant yard
    kByRule,       // 19 the maintenance man
    kCursorRight,  // 20 storeroom door
    kCursorHand,   // 21 the hammer
    kCursorHand,   // 22 the storeroom lock
    kCursorUp,     // 23 machine hall
    kCursorUp,     // 24 back-room door
    kCursorHand,   // 25 the fishing line
    kCursorHand,   // 26 the wire
    kCursorUp,     // 27 factory entrance
    kCursorTalk,   // 28 the director
    kCursorLeft,   // 29 factory side yard
    kCursorHand,   // 30 the rod
    kCursorRight,  // 31 the store
    kCursorHand,   // 32 the nut
    kCursorRight,  // 33 the regulars' table
    kCursorUp,     // 34 the well
    kCursorTalk,   // 35 the madman
    kCursorHand,   // 36 the door's lock
    kCursorUp,     // 37 back-room door
    kCursorHand,   // 38 the button
    kCursorUp,     // 39 secret entrance
    kCursorHand,   // 40 the notebook
    kCursorUp,     // 41 the window
    kByRule,       // 42 the gardener below
    kCursorUp,     // 43 the passage's way on
    kCursorTalk,   // 44 the prisoner
    kCursorRight,  // 45 the passage's way on
    kCursorUp,     // 46 the passage's way on
    kByRule,       // 47 the door to bar
};

// The stages at which the mayor and the maintenance man wait for the service card.
constexpr int kMayorFirstTalkStage = 0;
constexpr int kMayorCardStage = 1;
constexpr int kMayorLaterTalkStage = 5;
constexpr int kMaintenanceFirstTalkStage = 8;
constexpr int kMaintenanceCardStage = 9;
constexpr int kMaintenanceLaterTalkStage = 17;

// Talk, the hand where the service card is wanted and held, else nothing to do.
int cardTalkCursor(const TfrmHlavni& f, int talkStage, int cardStage, int laterTalkStage) {
    const int stage = f.state.storyStage;
    if (stage == talkStage || stage == laterTalkStage) return kCursorTalk;
    if (stage == cardStage) return f.holding(held::ServiceCard) ? kCursorHand : kCursorTalk;
    return kCursorDefault;
}

}  // namespace

void TfrmHlavni::imgCurMouseMove(int n) {
    ui::Component& hotspot = cur(n);
    switch (n) {
        case 5:
            hotspot.setCursor(cardTalkCursor(*this, kMayorFirstTalkStage, kMayorCardStage, kMayorLaterTalkStage));
            break;
        case 17: hotspot.setCursor(state.nailTaken == 0 ? kCursorHand : kCursorDefault); break;
        case 19:
            hotspot.setCursor(cardTalkCursor(*this, kMaintenanceFirstTalkStage, kMaintenanceCardStage,
                                             kMaintenanceLaterTalkStage));
            break;
        case 42:
            // Only the line with the nut reaches the gardener; any other item keeps following.
            if (!holding(held::LineWithNut)) return;
            hotspot.setCursor(kCursorHand);
            break;
        case 47:
            if (holding(held::Rod)) hotspot.setCursor(kCursorHand);
            break;
        default: hotspot.setCursor(kHotspotCursors.at(static_cast<std::size_t>(n))); break;
    }
    hideHeldPicture();
}

void TfrmHlavni::imgMapMouseMove(int n) {
    map(n).setCursor(kCursorUp);
    hideHeldPicture();
}

}  // namespace app

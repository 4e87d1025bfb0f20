// One name for each number the story uses: hotspots, map spots, scenes, story stages,
// cutscene start values, the ticks the handlers test, and the remarks' first frames.
#pragma once

namespace app {

// The number n of each hotspot imgCurN.
namespace hotspot {
enum : int {
    TownHallDoor = 1,          // imgCur1, on the square
    StepBack = 2,              // imgCur2, the bottom strip of every inner view
    TownHallInnerDoor = 3,     // imgCur3
    OfficeDoor = 4,            // imgCur4, the mayor's office from the corridor
    Mayor = 5,                 // imgCur5
    WalkRight = 6,             // imgCur6, the right edge of the street
    WalkLeft = 7,              // imgCur7, the left edge of the street
    InnDoor = 8,               // imgCur8
    ShopDoor = 9,              // imgCur9, the tobacconist's door
    Innkeeper = 10,            // imgCur10
    ToReception = 11,          // imgCur11, from the taproom
    Receptionist = 12,         // imgCur12
    ToRoom = 13,               // imgCur13, from the reception to the agent's room
    CashMachine = 14,          // imgCur14, seen from the street
    CardSlot = 15,             // imgCur15
    ShopAssistant = 16,        // imgCur16
    Nail = 17,                 // imgCur17, overlay: the nail at the power plant gate
    IntoYard = 18,             // imgCur18, from the power plant gate
    MaintenanceMan = 19,       // imgCur19
    StoreroomDoor = 20,        // imgCur20, from the yard to the lock
    Hammer = 21,               // imgCur21, overlay: the hammer in front of the tobacconist
    StoreroomLock = 22,        // imgCur22, overlay: the jammed lock
    MachineHallDoor = 23,      // imgCur23, from the yard
    PlantBackRoomDoor = 24,    // imgCur24, from the machine hall
    FishingLine = 25,          // imgCur25, overlay: the line in the machine hall
    Wire = 26,                 // imgCur26, overlay: the wire in the back room
    FactoryEntrance = 27,      // imgCur27
    Director = 28,             // imgCur28
    ToSideYard = 29,           // imgCur29, from the factory front
    Rod = 30,                  // imgCur30, overlay: the rod in the side yard
    FactoryStoreDoor = 31,     // imgCur31, from the side yard
    Nut = 32,                  // imgCur32, overlay: the nut in the store
    RegularsTable = 33,        // imgCur33, in the taproom
    Well = 34,                 // imgCur34, on the square
    Madman = 35,               // imgCur35, in the park
    OfficeDoorLock = 36,       // imgCur36
    MayorsBackRoomDoor = 37,   // imgCur37
    SecretButton = 38,         // imgCur38, in the back room
    SecretEntrance = 39,       // imgCur39, in the mayor's office
    Notebook = 40,             // imgCur40, left in the hotel room
    Window = 41,               // imgCur41, of the hotel room
    Gardener = 42,             // imgCur42, below the window
    FirstRoomWayOn = 43,       // imgCur43, in the secret passage
    Prisoner = 44,             // imgCur44
    SecondRoomWayOn = 45,      // imgCur45
    ThirdRoomWayOn = 46,       // imgCur46
    DoorToBar = 47,            // imgCur47, the door the rod bars during the chase
};
}  // namespace hotspot

// The number n of each map spot imgMapN.
namespace mapspot {
enum : int {
    Square = 1,      // imgMap1, "Náměstí"
    PowerPlant = 2,  // imgMap2, "Elektrárna"
    Park = 3,        // imgMap3, "Park"
    Factory = 4,     // imgMap4, "Továrna", the marker drawn only once the factory is known
};
}  // namespace mapspot

// The values of sceneId. The street is a row ten apart and a step into a place adds one;
// the outlying places are numbered from 100, 200 and 300.
namespace scene {
enum : int {
    None = 0,  // the intro, before the agent arrives
    CashMachineStreet = -9,
    CashMachine = -8,
    Square = 1,
    TownHallEntrance = 2,
    TownHallCorridor = 3,
    MayorsOffice = 4,
    MayorsBackRoom = 5,
    PassageFirstRoom = 6,
    PassageSecondRoom = 7,
    PassageThirdRoom = 8,
    PassageLastRoom = 9,
    InnFront = 11,
    Taproom = 12,
    Reception = 13,
    HotelRoom = 14,
    HotelWindow = 15,
    TobacconistFront = 21,
    TobacconistShop = 22,
    PowerPlantGate = 100,
    PowerPlantYard = 101,
    MachineHall = 102,
    PlantBackRoom = 103,
    StoreroomLock = 120,
    Park = 200,
    FactoryFront = 300,
    FactoryOffice = 301,
    FactorySideYard = 310,
    FactoryStore = 311,
};
}  // namespace scene

// The values of storyStage, each named by what has just happened; the story only moves on.
namespace stage {
enum : int {
    Start = 0,                  // a new game: the mayor is to be met
    MayorWantsCard = 1,         // he wants to see the service card
    SentToInn = 2,              // the mayor sent the agent to the inn for a room
    SentToReception = 3,        // the innkeeper sent him on to the reception
    RoomLet = 4,                // the room is let; the clock is parked until he goes up
    SettledIn = 5,              // the notebook lies in the room; back to the mayor
    CashMachineKnown = 6,       // the square's left edge opens to the cash machine
    MoneyWithdrawn = 7,         // the card is gone, the money is there: off to buy the map
    MapBought = 8,              // the power plant lies on the map
    MaintenanceWantsCard = 9,   // the maintenance man wants to see the service card
    LockToRepair = 10,          // he asked for the storeroom lock to be repaired
    LockExamined = 11,          // a broken key sits inside: the nail goes in
    NailInLock = 12,            // the hammer is to drive it
    NailHammered = 13,          // the blow's cutscene runs
    NailStuck = 14,             // the cartridges' gunpowder goes in
    GunpowderInLock = 15,       // the nail goes in again
    NailOnGunpowder = 16,       // the hammer is to fire it
    LockRepaired = 17,          // back to the maintenance man
    FactoryHeardOf = 18,        // the factory is on the map and the machine hall is open
    AtFactory = 19,             // the director is to be met
    DirectorMet = 20,           // the regulars sit in the taproom until the night is over
    BeerOrdered = 21,           // the regulars' table takes the agent
    WithDrinkers = 22,          // the evening's cutscene runs
    PlayingCards = 23,
    SecondMorning = 24,         // the checkpoint: the agent wakes in his room
    NewspaperBought = 25,       // it is to be read (Průzkum)
    NewspaperRead = 26,         // the director is to be asked about it
    DirectorMetAgain = 27,      // the workers talk in the factory store
    WorkersOverheard = 28,      // the well on the square is to be looked at
    WellOpeningSeen = 29,       // the madman in the park is to be asked
    MadmanHeard = 30,           // the mayor's office turns out to be locked
    OfficeLocked = 31,          // the wire is to pick its lock
    OfficeLockPicked = 32,      // the button in the back room waits
    SecretEntranceFound = 33,   // the agent first fetches his contact's number
    FetchingNumber = 34,        // the receptionist wants to be paid
    AskedToPay = 35,            // up to the room for the money
    NoMoneyLeft = 36,           // the notebook is to be taken and the window used
    NotebookRetaken = 37,
    GardenerBelow = 38,         // the line with the nut is to lure him away
    EscapedThroughWindow = 39,  // the inn is closed to the agent; the passage lies open
    EngineerKilled = 40,        // the passage's third room shows the mayor's men
    Chase = 41,                 // the death countdown runs until the rod bars the door
    DoorBarred = 42,            // taking the phone calls for help
};
}  // namespace stage

// The value a click sets storyTick to when it starts a cutscene; the first tick shown is one more.
namespace cutscene {
enum : int {
    MayorFirstTalk = 22,
    MayorSeesCard = 37,
    Innkeeper = 73,
    CashMachine = 153,
    BuyingMap = 170,
    MaintenanceFirstTalk = 200,
    MaintenanceSeesCard = 220,
    DirectorFirstTalk = 298,
    EveningAtInn = 328,
    RegularsTable = 340,
    BuyingNewspaper = 412,
    DirectorSecondTalk = 426,
    Workers = 447,
    Well = 464,
    Madman = 471,
    OfficeLocked = 511,
    PickingLock = 517,
    SecretButton = 521,
    SecretEntrance = 532,
    ReceptionistWantsPay = 539,
    EmptyPockets = 551,
    Window = 556,
    LuringGardener = 562,
    Engineer = 576,
    Confrontation = 649,
    DoorBarred = 685,
    Ending = 690,
};
}  // namespace cutscene

// Pause points of the script that handlers test or set storyTick to.
namespace tick {
enum : int {
    // The reception conversation parks the clock here, whichever of its last two ticks ran;
    // entering the room resumes the clock only from this value.
    ParkedAtReception = 127,
    // The script waits here after the map was bought, until the first journey to the plant.
    MapBought = 195,
    // The second morning in the hotel room, where the checkpoint starts.
    SecondMorning = 412,
};
}  // namespace tick

// The remarkFrame each of the agent's four remarks starts from.
namespace remark {
enum : int {
    HandIntoSlot = 0,    // the card slot without the credit card
    WontWork = 6,        // the wrong item on the storeroom lock
    CantGetIn = 12,      // the office door's lock without the wire
    InnWantsMoney = 16,  // the inn door after the escape without paying
};
}  // namespace remark

}  // namespace app

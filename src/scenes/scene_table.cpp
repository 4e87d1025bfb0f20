// The scene table: one row per sceneId with its examine number and its pictures by storyStage.
#include "scenes/scene_table.hpp"

#include "app/data_files.hpp"
#include "app/story_names.hpp"

#include <limits>
#include <vector>

namespace scenes {

namespace {

namespace scene = app::scene;
namespace stage = app::stage;

constexpr int kEarliest = std::numeric_limits<int>::min();
constexpr int kLatest = std::numeric_limits<int>::max();

// The picture shown while storyStage lies in [from, to].
struct StagePicture {
    int from = kEarliest;
    int to = kLatest;
    const char* file = nullptr;
};

struct SceneRow {
    int sceneId = 0;
    int examineNumber = 0;
    // Tried in order; a stage that no band covers shows no picture.
    std::vector<StagePicture> pictures;
};

const std::vector<SceneRow>& sceneTable() {
    static const std::vector<SceneRow> table = {
        {.sceneId = scene::CashMachineStreet, .examineNumber = -16, .pictures = {{.file = pic::bankomat1}}},
        {.sceneId = scene::CashMachine, .examineNumber = -14, .pictures = {{.file = pic::bankomat2}}},
        {.sceneId = scene::Square, .examineNumber = 2, .pictures = {{.file = pic::namesti1}}},
        {.sceneId = scene::TownHallEntrance, .examineNumber = 4, .pictures = {{.file = pic::urad1}}},
        {.sceneId = scene::TownHallCorridor, .examineNumber = 6, .pictures = {{.file = pic::urad2}}},
        {.sceneId = scene::MayorsOffice,
         .examineNumber = 8,
         .pictures = {{.to = stage::PlayingCards, .file = pic::urad3a},
                      {.from = stage::SecondMorning, .to = stage::OfficeLockPicked, .file = pic::urad3b},
                      {.from = stage::SecretEntranceFound, .file = pic::urad3c}}},
        {.sceneId = scene::MayorsBackRoom, .examineNumber = 11, .pictures = {{.file = pic::urad4}}},
        {.sceneId = scene::PassageFirstRoom,
         .examineNumber = 13,
         .pictures = {{.to = stage::EngineerKilled, .file = pic::tt1a},
                      {.from = stage::DoorBarred, .file = pic::tt1c}}},  // none during the chase
        {.sceneId = scene::PassageSecondRoom,
         .examineNumber = 15,
         .pictures = {{.to = stage::EscapedThroughWindow, .file = pic::tt2a},
                      {.from = stage::EngineerKilled, .file = pic::tt2b}}},
        {.sceneId = scene::PassageThirdRoom,
         .examineNumber = 17,
         .pictures = {{.from = stage::EngineerKilled, .to = stage::EngineerKilled, .file = pic::tt3a}}},
        {.sceneId = scene::PassageLastRoom, .examineNumber = 19, .pictures = {{.file = pic::tt4}}},
        {.sceneId = scene::InnFront, .examineNumber = 20, .pictures = {{.file = pic::hospoda1}}},
        {.sceneId = scene::Taproom, .examineNumber = 22, .pictures = {{.file = pic::hospoda2}}},
        {.sceneId = scene::Reception, .examineNumber = 24, .pictures = {{.file = pic::hospoda3}}},
        {.sceneId = scene::HotelRoom,
         .examineNumber = 26,
         .pictures = {{.from = stage::RoomLet, .to = stage::RoomLet, .file = pic::pokoj1},
                      {.from = stage::SettledIn, .to = stage::NoMoneyLeft, .file = pic::pokoj1a},
                      {.from = stage::NotebookRetaken, .file = pic::pokoj1}}},  // none before the room is let
        {.sceneId = scene::HotelWindow, .examineNumber = 28, .pictures = {{.file = pic::pokoj2a}}},
        {.sceneId = scene::TobacconistFront, .examineNumber = 40, .pictures = {{.file = pic::trafika1}}},
        {.sceneId = scene::TobacconistShop, .examineNumber = 42, .pictures = {{.file = pic::trafika2}}},
        {.sceneId = scene::PowerPlantGate, .examineNumber = 201, .pictures = {{.file = pic::elektr1}}},
        {.sceneId = scene::PowerPlantYard, .examineNumber = 203, .pictures = {{.file = pic::elektr2}}},
        {.sceneId = scene::MachineHall, .examineNumber = 205, .pictures = {{.file = pic::elektr4}}},
        {.sceneId = scene::PlantBackRoom, .examineNumber = 207, .pictures = {{.file = pic::elektr5}}},
        {.sceneId = scene::StoreroomLock, .examineNumber = 141, .pictures = {{.file = pic::elektr3}}},
        {.sceneId = scene::Park, .examineNumber = 401, .pictures = {{.file = pic::park}}},
        {.sceneId = scene::FactoryFront, .examineNumber = 601, .pictures = {{.file = pic::tovarna1}}},
        {.sceneId = scene::FactoryOffice, .examineNumber = 603, .pictures = {{.file = pic::tovarna2}}},
        {.sceneId = scene::FactorySideYard, .examineNumber = 621, .pictures = {{.file = pic::tovarna3}}},
        {.sceneId = scene::FactoryStore,
         .examineNumber = 623,
         .pictures = {{.to = stage::NewspaperRead, .file = pic::tovarna4a},
                      {.from = stage::DirectorMetAgain, .file = pic::tovarna4b}}},
    };
    return table;
}

const SceneRow* rowOf(int sceneId) {
    for (const SceneRow& row : sceneTable())
        if (row.sceneId == sceneId) return &row;
    return nullptr;
}

}  // namespace

std::string scenePicture(int sceneId, int storyStage) {
    const SceneRow* row = rowOf(sceneId);
    if (row == nullptr) return "";
    for (const StagePicture& band : row->pictures)
        if (storyStage >= band.from && storyStage <= band.to) return band.file;
    return "";
}

std::optional<int> examineNumber(int sceneId) {
    const SceneRow* row = rowOf(sceneId);
    if (row == nullptr) return std::nullopt;
    return row->examineNumber;
}

}  // namespace scenes

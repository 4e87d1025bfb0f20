// The scene table: one row per sceneId with its examine number and its pictures by storyStage.
#include "scenes/scene_table.hpp"

#include "app/data_files.hpp"

#include <limits>
#include <vector>

namespace scenes {

namespace {

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
        {.sceneId = -9, .examineNumber = -16, .pictures = {{.file = pic::bankomat1}}},  // street by the cash machine
        {.sceneId = -8, .examineNumber = -14, .pictures = {{.file = pic::bankomat2}}},  // cash machine, close
        {.sceneId = 1, .examineNumber = 2, .pictures = {{.file = pic::namesti1}}},      // village square
        {.sceneId = 2, .examineNumber = 4, .pictures = {{.file = pic::urad1}}},         // town hall, entrance
        {.sceneId = 3, .examineNumber = 6, .pictures = {{.file = pic::urad2}}},         // town hall, corridor
        {.sceneId = 4,
         .examineNumber = 8,
         .pictures = {{.to = 23, .file = pic::urad3a},
                      {.from = 24, .to = 32, .file = pic::urad3b},
                      {.from = 33, .file = pic::urad3c}}},  // mayor's office
        {.sceneId = 5, .examineNumber = 11, .pictures = {{.file = pic::urad4}}},  // mayor's back room
        {.sceneId = 6,
         .examineNumber = 13,
         .pictures = {{.to = 40, .file = pic::tt1a}, {.from = 42, .file = pic::tt1c}}},  // passage, first room
        {.sceneId = 7,
         .examineNumber = 15,
         .pictures = {{.to = 39, .file = pic::tt2a}, {.from = 40, .file = pic::tt2b}}},  // passage, second room
        {.sceneId = 8, .examineNumber = 17, .pictures = {{.from = 40, .to = 40, .file = pic::tt3a}}},  // third room
        {.sceneId = 9, .examineNumber = 19, .pictures = {{.file = pic::tt4}}},        // passage, last room
        {.sceneId = 11, .examineNumber = 20, .pictures = {{.file = pic::hospoda1}}},  // in front of the inn
        {.sceneId = 12, .examineNumber = 22, .pictures = {{.file = pic::hospoda2}}},  // inn, taproom
        {.sceneId = 13, .examineNumber = 24, .pictures = {{.file = pic::hospoda3}}},  // inn, reception
        {.sceneId = 14,
         .examineNumber = 26,
         .pictures = {{.from = 4, .to = 4, .file = pic::pokoj1},
                      {.from = 5, .to = 36, .file = pic::pokoj1a},
                      {.from = 37, .file = pic::pokoj1}}},                              // hotel room
        {.sceneId = 15, .examineNumber = 28, .pictures = {{.file = pic::pokoj2a}}},   // hotel room, window
        {.sceneId = 21, .examineNumber = 40, .pictures = {{.file = pic::trafika1}}},  // in front of the tobacconist
        {.sceneId = 22, .examineNumber = 42, .pictures = {{.file = pic::trafika2}}},  // tobacconist, inside
        {.sceneId = 100, .examineNumber = 201, .pictures = {{.file = pic::elektr1}}},  // power plant, gate
        {.sceneId = 101, .examineNumber = 203, .pictures = {{.file = pic::elektr2}}},  // power plant, yard
        {.sceneId = 102, .examineNumber = 205, .pictures = {{.file = pic::elektr4}}},  // machine hall
        {.sceneId = 103, .examineNumber = 207, .pictures = {{.file = pic::elektr5}}},  // power plant, back room
        {.sceneId = 120, .examineNumber = 141, .pictures = {{.file = pic::elektr3}}},  // storeroom door lock
        {.sceneId = 200, .examineNumber = 401, .pictures = {{.file = pic::park}}},     // park
        {.sceneId = 300, .examineNumber = 601, .pictures = {{.file = pic::tovarna1}}},  // factory, front
        {.sceneId = 301, .examineNumber = 603, .pictures = {{.file = pic::tovarna2}}},  // factory, office
        {.sceneId = 310, .examineNumber = 621, .pictures = {{.file = pic::tovarna3}}},  // factory, side yard
        {.sceneId = 311,
         .examineNumber = 623,
         .pictures = {{.to = 26, .file = pic::tovarna4a}, {.from = 27, .file = pic::tovarna4b}}},  // factory, store
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

// The scene table: pictures by storyStage at the edges of their bands, and examine numbers.
#include "app/data_files.hpp"
#include "scenes/scene_table.hpp"

#include <gtest/gtest.h>

namespace {

TEST(SceneTable, PicturesChangeAtTheEdgesOfTheirStageBands) {
    EXPECT_EQ(scenes::scenePicture(4, 23), pic::urad3a);
    EXPECT_EQ(scenes::scenePicture(4, 24), pic::urad3b);
    EXPECT_EQ(scenes::scenePicture(4, 32), pic::urad3b);
    EXPECT_EQ(scenes::scenePicture(4, 33), pic::urad3c);
    EXPECT_EQ(scenes::scenePicture(7, 39), pic::tt2a);
    EXPECT_EQ(scenes::scenePicture(7, 40), pic::tt2b);
    EXPECT_EQ(scenes::scenePicture(311, 26), pic::tovarna4a);
    EXPECT_EQ(scenes::scenePicture(311, 27), pic::tovarna4b);
    EXPECT_EQ(scenes::scenePicture(14, 4), pic::pokoj1);
    EXPECT_EQ(scenes::scenePicture(14, 5), pic::pokoj1a);
    EXPECT_EQ(scenes::scenePicture(14, 36), pic::pokoj1a);
    EXPECT_EQ(scenes::scenePicture(14, 37), pic::pokoj1);
}

TEST(SceneTable, SomeStagesShowNoPictureAtAll) {
    EXPECT_EQ(scenes::scenePicture(6, 40), pic::tt1a);
    EXPECT_EQ(scenes::scenePicture(6, 41), "");
    EXPECT_EQ(scenes::scenePicture(6, 42), pic::tt1c);
    EXPECT_EQ(scenes::scenePicture(8, 39), "");
    EXPECT_EQ(scenes::scenePicture(8, 40), pic::tt3a);
    EXPECT_EQ(scenes::scenePicture(8, 41), "");
    EXPECT_EQ(scenes::scenePicture(14, 3), "");
    EXPECT_EQ(scenes::scenePicture(0, 1), "");  // before the intro ends there is no scene
}

TEST(SceneTable, ExamineNumbersOfEveryAreaAndNoneOutsideTheTable) {
    EXPECT_EQ(scenes::examineNumber(-9), -16);
    EXPECT_EQ(scenes::examineNumber(-8), -14);
    EXPECT_EQ(scenes::examineNumber(1), 2);
    EXPECT_EQ(scenes::examineNumber(5), 11);
    EXPECT_EQ(scenes::examineNumber(11), 20);
    EXPECT_EQ(scenes::examineNumber(120), 141);
    EXPECT_EQ(scenes::examineNumber(200), 401);
    EXPECT_EQ(scenes::examineNumber(311), 623);
    EXPECT_FALSE(scenes::examineNumber(0).has_value());
    EXPECT_FALSE(scenes::examineNumber(10).has_value());
    EXPECT_FALSE(scenes::examineNumber(119).has_value());
}

}  // namespace

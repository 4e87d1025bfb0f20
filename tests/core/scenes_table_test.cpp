// The scene table: pictures at the edges of their storyStage bands, stages with no picture,
// and examine numbers only for real scenes.
#include "app/data_files.hpp"
#include "scenes/scene_table.hpp"

#include <gtest/gtest.h>

namespace {

TEST(SceneTable, PicturesFollowTheirStageBandsAndSomeStagesShowNone) {
    EXPECT_EQ(scenes::scenePicture(4, 23), pic::urad3a);
    EXPECT_EQ(scenes::scenePicture(4, 24), pic::urad3b);
    EXPECT_EQ(scenes::scenePicture(4, 33), pic::urad3c);
    EXPECT_EQ(scenes::scenePicture(14, 4), pic::pokoj1);
    EXPECT_EQ(scenes::scenePicture(14, 36), pic::pokoj1a);
    EXPECT_EQ(scenes::scenePicture(14, 37), pic::pokoj1);
    EXPECT_EQ(scenes::scenePicture(311, 27), pic::tovarna4b);
    EXPECT_EQ(scenes::scenePicture(14, 3), "");
    EXPECT_EQ(scenes::scenePicture(6, 41), "");
    EXPECT_EQ(scenes::scenePicture(6, 42), pic::tt1c);
    EXPECT_EQ(scenes::scenePicture(8, 39), "");
    EXPECT_EQ(scenes::scenePicture(8, 40), pic::tt3a);
    EXPECT_EQ(scenes::scenePicture(0, 1), "");
}

TEST(SceneTable, ExamineNumbersOnlyForScenes) {
    EXPECT_EQ(scenes::examineNumber(-9), -16);
    EXPECT_EQ(scenes::examineNumber(5), 11);
    EXPECT_EQ(scenes::examineNumber(120), 141);
    EXPECT_FALSE(scenes::examineNumber(0).has_value());
    EXPECT_FALSE(scenes::examineNumber(119).has_value());
}

}  // namespace

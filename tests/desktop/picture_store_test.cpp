// Pictures are decoded only when their header gives a size the game can show.
#include "desktop/picture_store.hpp"

#include "../support/data_folder.hpp"
#include "../support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace {

TEST(PictureStore, APictureLargerThanTheWindowIsRefusedBeforeItIsDecoded) {
    const kvtest::TempDir dir;
    const std::string huge = (dir.path() / "huge.bmp").string();
    kvtest::writeBytes(huge, kvtest::monochromeBitmapBytes(4000, 4000));  // 2 MB on disk, 64 MB decoded
    desktop::PictureStore store;
    EXPECT_FALSE(desktop::pictureFits(huge));
    EXPECT_FALSE(store.decode(huge));
    EXPECT_TRUE(store.take(huge).isNull());
    EXPECT_TRUE(desktop::decodePicture(huge).isNull());

    for (const auto& [width, height, fits] : {std::tuple{1024, 768, true}, std::tuple{1025, 10, false},
                                              std::tuple{10, 769, false}, std::tuple{800, 600, true}}) {
        const std::string path = (dir.path() / "p.bmp").string();
        kvtest::writeBytes(path, kvtest::monochromeBitmapBytes(width, height));
        EXPECT_EQ(store.decode(path), fits) << width << " x " << height;
        EXPECT_EQ(store.take(path).isNull(), !fits) << width << " x " << height;
    }
}

}  // namespace

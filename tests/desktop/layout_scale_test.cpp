// The layout's scale: layout and screen pixels map onto each other exactly, and the factor fits
// the window, in whole multiples when asked.
#include "app/component_table.hpp"
#include "desktop/layout_scale.hpp"

#include <gtest/gtest.h>

namespace {

using desktop::LayoutScale;

TEST(LayoutScale, EveryScreenPixelBelongsToTheLayoutPixelThatCoversIt) {
    for (const double ratio : {1.0, 1.25, 2.0})
        for (const double factor : {0.75, 1.0, 1.34, 1.5, 1.875, 2.0, 2.8125}) {
            const LayoutScale scale(factor, ratio);
            for (int d = 0; d < scale.deviceEdge(app::kWindowWidth); ++d) {
                const int v = scale.layoutPixel(d);
                ASSERT_LE(scale.deviceEdge(v), d) << factor << " x " << ratio << " at " << d;
                ASSERT_LT(d, scale.deviceEdge(v + 1)) << factor << " x " << ratio << " at " << d;
            }
            // Enlarged, no layout pixel is lost: each covers at least one screen pixel.
            if (scale.deviceFactor() >= 1.0) {
                for (int v = 0; v < app::kWindowWidth; ++v) ASSERT_LT(scale.deviceEdge(v), scale.deviceEdge(v + 1)) << v;
            }
        }
}

TEST(LayoutScale, APointerPositionMapsToTheLayoutPixelItIsDrawnIn) {
    const LayoutScale half(1.5, 1.0);
    // Layout pixel 1 covers screen pixels 1 and 2 at 1.5: its centre, 1.5, is in both.
    EXPECT_EQ(half.toLayout({0, 0}).x, 0);
    EXPECT_EQ(half.toLayout({1, 0}).x, 1);
    EXPECT_EQ(half.toLayout({2.99, 0}).x, 1);
    EXPECT_EQ(half.toLayout({3, 0}).x, 2);
    // On a screen of ratio 2 a logical position in the middle of a logical pixel is its right half.
    const LayoutScale retina(1.0, 2.0);
    EXPECT_EQ(retina.toLayout({10.5, 7.0}).x, 10);
    EXPECT_EQ(retina.toLayout({10.5, 7.0}).y, 7);
    for (const double factor : {0.75, 1.0, 1.5, 2.0}) {
        const LayoutScale scale(factor, 1.0);
        for (const ui::Point p : {ui::Point{0, 0}, ui::Point{112, 605}, ui::Point{1023, 767}, ui::Point{504, 288}})
            if (scale.deviceEdge(p.x) < scale.deviceEdge(p.x + 1) && scale.deviceEdge(p.y) < scale.deviceEdge(p.y + 1)) {
                EXPECT_EQ(scale.toLayout(scale.toLogical(p)), p) << factor;
            }
    }
}

TEST(LayoutScale, TheFactorFitsTheWholeLayoutIntoTheArea) {
    // 1920 x 1080 with a menu bar: the height decides.
    EXPECT_DOUBLE_EQ(LayoutScale::fitting({1920, 1056}, 1.0, false).factor(), 1056.0 / 768);
    EXPECT_DOUBLE_EQ(LayoutScale::fitting({1920, 1056}, 1.0, true).factor(), 1.0);
    // 3840 x 2160: nearly three times; sharp pixels take twice.
    EXPECT_DOUBLE_EQ(LayoutScale::fitting({3840, 2136}, 1.0, true).factor(), 2.0);
    // A narrow window: the width decides.
    EXPECT_DOUBLE_EQ(LayoutScale::fitting({1024, 2000}, 1.0, false).factor(), 1.0);
    // Never below the readable minimum, and sharp pixels below one layout pixel per screen pixel
    // can only fit.
    EXPECT_DOUBLE_EQ(LayoutScale::fitting({300, 200}, 1.0, false).factor(), desktop::kMinimumFactor);
    EXPECT_DOUBLE_EQ(LayoutScale::fitting({800, 700}, 1.0, true).factor(), 800.0 / 1024);
    // At a pixel ratio of 1.5, whole multiples are of screen pixels: 1920 x 1080 logical holds
    // the layout at 1.37 logical, 2.06 device, so 2 device pixels, 1.33 logical.
    const LayoutScale sharp = LayoutScale::fitting({1920, 1056}, 1.5, true);
    EXPECT_DOUBLE_EQ(sharp.deviceFactor(), 2.0);
    EXPECT_TRUE(sharp.isWholeMultiple());
    EXPECT_FALSE(LayoutScale::fitting({1920, 1056}, 1.0, false).isWholeMultiple());
}

TEST(LayoutScale, TheLayoutsLogicalSizeCoversItsScreenPixels) {
    EXPECT_EQ(LayoutScale(1.0, 1.0).logicalSize(), QSize(1024, 768));
    EXPECT_EQ(LayoutScale(2.0, 1.0).logicalSize(), QSize(2048, 1536));
    EXPECT_EQ(LayoutScale(0.75, 1.0).logicalSize(), QSize(768, 576));
    EXPECT_EQ(LayoutScale(1.0, 2.0).logicalSize(), QSize(1024, 768));
}

}  // namespace

#include "app/core/ReadableColours.h"

#include <gtest/gtest.h>

using namespace verbalia;

TEST(ReadableColours, contrastRunsFromOneToTwentyOneEitherWayRound)
{
    EXPECT_DOUBLE_EQ(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio({48, 140, 198}, {48, 140, 198}), 1.0);
    EXPECT_NEAR(contrastRatio({48, 140, 198}, {255, 255, 255}), 3.69, 0.01);
}

TEST(ReadableColours, aColourIsMovedJustFarEnoughAwayFromTheOther)
{
    struct Case {
        Rgb colour, other;
    };
    // A light highlight under white text darkens; grey text on a grey face
    // darkens; light text on a dark background lightens.
    for (const Case& c : {Case{{48, 140, 198}, {255, 255, 255}}, Case{{190, 190, 190}, {184, 184, 184}},
                          Case{{80, 80, 80}, {30, 30, 30}}}) {
        const Rgb moved = readableAgainst(c.colour, c.other);
        EXPECT_GE(contrastRatio(moved, c.other), readableContrast);
        EXPECT_LT(contrastRatio(moved, c.other), readableContrast + 0.5);
    }
    const Rgb readable{0, 0, 0};
    EXPECT_EQ(readableAgainst(readable, {255, 255, 255}), readable);
}

#include "text/ScrambledText.h"

#include <gtest/gtest.h>

using namespace verbalia;

TEST(ScrambledText, UnscrambleLowersByPositionThenSwaps)
{
    // Lowered: "@?>=A@?>"; then positions 2 and 5, 4 and 7 swap.
    EXPECT_EQ(Unscramble_Text("AAAAAAAA"), "@A>??@=>");
    EXPECT_EQ(Unscramble_Text(std::string_view("\x01\x01", 2)), std::string("\x00\xFF", 2)); // wraps round
    EXPECT_EQ(Unscramble_Text(""), "");
}

TEST(ScrambledText, ScramblingIsTheInverseAtEveryLength)
{
    for (std::size_t length = 0; length <= 12; ++length) {
        std::string readable;
        for (std::size_t i = 0; i < length; ++i) readable += char(251 + i * 37); // high and low bytes alike
        std::string stored = readable;
        scrambleInPlace(stored.data(), stored.size());
        EXPECT_EQ(Unscramble_Text(stored), readable) << "length " << length;
    }
    constexpr ScrambledText stored("Restore the factory defaults?");
    EXPECT_NE(stored.stored(), "Restore the factory defaults?");
    EXPECT_EQ(Unscramble_Text(stored.stored()), "Restore the factory defaults?");
}

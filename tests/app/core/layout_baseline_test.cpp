#include "app/core/LayoutBaseline.h"

#include <gtest/gtest.h>

#include <climits>

using namespace verbalia;

TEST(LayoutBaseline, DigitsToIntegerKeepsDigitsAndOnlyALeadingSign)
{
    const std::pair<const char*, int> cases[] = {
        {"615", 615}, {"-12", -12}, {"+7", 7}, {"1-2+3", 123}, {"--5", -5}, {"a-b5c", -5}, {"Mainform1", 1},
        {"", 0}, {"W/H", 0}, {"-", 0}, {"+-", 0}, {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
    };
    for (auto [text, value] : cases) EXPECT_EQ(Digits_To_Integer(text), value) << text;
}

TEST(LayoutBaseline, FieldAsIntegerCountsBlankSeparatedFieldsFromOne)
{
    const std::string line = "-3 605 4 409 11 PageControl1";
    const int fields[] = {-3, 605, 4, 409, 11, 1, 1}; // past the last field: the last field again
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(Field_As_Integer(line, n), fields[n - 1]) << n;
    EXPECT_EQ(Field_As_Integer("0", 3), 0);
    EXPECT_EQ(Field_As_Integer(baselineHeader(615, 455), 2), 455);
}

TEST(LayoutBaseline, LinesReadBackAsWritten)
{
    EXPECT_EQ(baselineHeader(615, 455), "615 455 W/H Mainform1");
    const ControlGeometry geometry{-3, 605, 4, 409, 11};
    EXPECT_EQ(baselineLine(geometry, "PageControl1"), "-3 605 4 409 11 PageControl1");
    EXPECT_EQ(parseBaselineLine(baselineLine(geometry, "PageControl1")), geometry);
}

TEST(LayoutBaseline, ScalesByEachDirectionAndFontsByTheSmallerTruncatingTowardZero)
{
    const std::string header = baselineHeader(600, 400);
    const ControlGeometry design{10, 100, 20, 50, 11};
    struct Case {
        int width, height;
        ControlGeometry expected;
    };
    const Case cases[] = {
        {1200, 800, {20, 200, 40, 100, 22}}, // twice the size
        {900, 400, {15, 150, 20, 50, 11}},   // 1.5 wide, as high: fonts keep their size
        {594, 396, {9, 99, 19, 49, 10}},     // 0.99: 10.89 pt is 10 pt
        {600, 400, design},                  // the design size
        {3, 2, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const std::optional<ScaleFactors> factors = scaleFactors(header, c.width, c.height);
        ASSERT_TRUE(factors);
        EXPECT_EQ(scaled(design, *factors), c.expected) << c.width << " x " << c.height;
    }
    EXPECT_EQ(scaled({-10, 0, -3, 0, 0}, *scaleFactors(header, 900, 200)), (ControlGeometry{-15, 0, -1, 0, 0}));
    EXPECT_FALSE(scaleFactors("0 455 W/H Mainform1", 615, 455));
}

#include "about/core/AboutTexts.h"

#include <gtest/gtest.h>

using namespace verbalia;

TEST(AboutTexts, FreeMemoryIsPhysicalAndSwapTogetherAsAWholePercentage)
{
    const std::pair<const char*, const char*> samples[] = {
        {"MemTotal: 1000 kB\nMemFree: 100 kB\nMemAvailable: 500 kB\nSwapTotal: 1000 kB\nSwapFree: 250 kB\n", "38%"},
        {"MemTotal:       16303436 kB\nMemAvailable:    9870112 kB\nSwapTotal:             0 kB\nSwapFree: 0 kB\n",
         "61%"},
        {"MemTotal: 3 kB\nMemAvailable: 2 kB\n", "67%"}, // no swap lines; 66.7 rounds up
        {"MemTotal: 200 kB\nMemAvailable: 1 kB\n", "1%"}, // 0.5 rounds away from zero
    };
    for (auto [meminfo, text] : samples) {
        const std::optional<MemoryFigures> figures = parseMeminfo(meminfo);
        ASSERT_TRUE(figures) << meminfo;
        EXPECT_EQ(Free_Memory_Text(*figures), text) << meminfo;
    }
    EXPECT_FALSE(parseMeminfo(""));
    EXPECT_FALSE(parseMeminfo("MemTotal: 0 kB\nMemAvailable: 0 kB\n"));
    EXPECT_FALSE(parseMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\n"));
}

TEST(AboutTexts, MailAddressEncodesTheSubject)
{
    EXPECT_EQ(mailAddress("me@example.org", "/opt/verbalia/verbalia"),
              "mailto:me@example.org?subject=Shareware%3A%20verbalia");
    EXPECT_EQ(mailAddress("me@example.org", "/home/me/my tool&x#1.\xC3\xA9"),
              "mailto:me@example.org?subject=Shareware%3A%20my%20tool%26x%231.%C3%A9");
}

TEST(AboutTexts, TheSystemReportsItsMemory)
{
    const std::optional<MemoryFigures> figures = ProcMemoryStatus().read();
    ASSERT_TRUE(figures);
    EXPECT_GE(figures->physicalTotal, figures->physicalAvailable);
}

#include "platform/IcuNumberFormat.h"

#include <gtest/gtest.h>
#include <unicode/uloc.h>

namespace verbalia {
namespace {

void setLocale(const char* locale)
{
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault(locale, &status);
}

TEST(IcuNumberFormat, GroupsThousands)
{
    setLocale("en_US");
    const IcuNumberFormat format;
    EXPECT_EQ(format.formatCount(0), "0");
    EXPECT_EQ(format.formatCount(938), "938");
    EXPECT_EQ(format.formatCount(1000), "1,000");
    EXPECT_EQ(format.formatCount(663245), "663,245");
    EXPECT_EQ(format.formatCount(2147483647), "2,147,483,647");
}

TEST(IcuNumberFormat, LocaleSeparators)
{
    setLocale("en_US_POSIX"); // no locale chosen: written as in English
    EXPECT_EQ(IcuNumberFormat().formatCount(12345), "12,345");
    setLocale("de_DE");
    EXPECT_EQ(IcuNumberFormat().formatCount(12345), "12.345");
    setLocale("fr_FR"); // narrow no-break space becomes the code page's no-break space
    EXPECT_EQ(IcuNumberFormat().formatCount(12345), "12\xA0" "345");
    setLocale("en_US");
}

} // namespace
} // namespace verbalia

#include "platform/CodePage.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <string>

namespace verbalia {
namespace {

TEST(CodePage, EveryByteRoundTrips)
{
    std::string bytes;
    for (int b = 0x01; b <= 0xFF; ++b) bytes.push_back(char(b));
    const std::u16string wide = codepage::toUtf16(bytes);
    ASSERT_EQ(wide.size(), bytes.size());
    EXPECT_EQ(codepage::fromUtf16(wide, '?'), bytes);

    EXPECT_EQ(codepage::toUnicode(0x41), u'A');
    EXPECT_EQ(codepage::toUnicode(0x80), u'\u20AC'); // euro sign
    EXPECT_EQ(codepage::toUnicode(0x9F), u'\u0178');
    EXPECT_EQ(codepage::toUnicode(0xE9), u'\u00E9');
    EXPECT_EQ(codepage::toUtf16("caf\xE9"), u"caf\u00E9");
}

TEST(CodePage, TableAgreesWithIcusConverter)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("windows-1252", &status);
    ASSERT_TRUE(U_SUCCESS(status));
    for (int byte = 0; byte < 256; ++byte) {
        const char in = char(byte);
        UChar out = 0;
        status = U_ZERO_ERROR;
        ucnv_reset(converter);
        ASSERT_EQ(ucnv_toUChars(converter, &out, 1, &in, 1, &status), 1);
        EXPECT_EQ(codepage::toUnicode(static_cast<unsigned char>(byte)), out) << byte;
        EXPECT_EQ(codepage::fromUnicode(out), std::optional<char>(in)) << byte;
    }
    ucnv_close(converter);
}

TEST(CodePage, UnmappableBecomesTheSubstituteGiven)
{
    EXPECT_EQ(codepage::fromUtf16(u"a\u4E00b", '?'), "a?b");
    EXPECT_EQ(codepage::fromUtf16(u"\U0001F600", '?'), "?"); // one character, one '?'
    EXPECT_EQ(codepage::fromUtf16(u"x\xD800y", '?'), "x?y");   // lone surrogate
    EXPECT_EQ(codepage::fromUtf16(u"\u20AC\u2019", '?'), "\x80\x92");
}

TEST(CodePage, NativeText)
{
    EXPECT_EQ(codepage::fromUtf8("/home/j\xC3\xBCrgen/\xE2\x82\xAC.txt"), "/home/j\xFCrgen/\x80.txt");
    EXPECT_EQ(codepage::toUtf8("/home/j\xFCrgen/\x80.txt"), "/home/j\xC3\xBCrgen/\xE2\x82\xAC.txt");
    EXPECT_EQ(codepage::fromUtf8("\xE4\xB8\x80"), "?");
}

} // namespace
} // namespace verbalia

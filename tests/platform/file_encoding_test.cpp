#include "platform/FileEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace verbalia {
namespace {

struct Case {
    const char* what;
    std::string bytes;
    FileEncoding encoding;
    std::string text; // as the program holds it
};

TEST(FileEncoding, DetectsAndConvertsAndWritesBack)
{
    using enum FileEncoding;
    const std::string bom = "\xEF\xBB\xBF";
    const Case cases[] = {
        {"pure ASCII", "cafe\r\nx-ray\n", Bytes, "cafe\r\nx-ray\n"},
        {"UTF-8 with accents", "Ard\xC3\xA8" "che\nna\xC3\xAFve\n", Utf8, "Ard\xE8" "che\nna\xEFve\n"},
        {"Windows-1252 characters above U+00FF", "\xE2\x82\xAC \xE2\x80\x99 \xC5\x93", Utf8, "\x80 \x92 \x9C"},
        {"a character outside Windows-1252", "caf\xC3\xA9\n\xC5\x81\xC3\xB3" "d\xC5\xBA\n", Bytes, ""},
        {"a four-byte character", "caf\xC3\xA9 \xF0\x9F\x98\x80", Bytes, ""},
        {"Windows-1252 with accents", "Ard\xE8" "che\ncaf\xE9", Bytes, ""},
        {"a sequence cut short at the end", "caf\xC3", Bytes, ""},
        {"an overlong form", "\xC0\xAF \xE0\x81\xA9", Bytes, ""},
        {"a surrogate", "\xED\xA0\x80", Bytes, ""},
        {"a byte-order mark", bom + "caf\xC3\xA9\r\n", Utf8WithBom, "caf\xE9\r\n"},
        {"a byte-order mark before ASCII", bom + "cafe", Utf8WithBom, "cafe"},
        {"a byte-order mark inside the text", "caf\xC3\xA9" + bom, Bytes, ""},
        {"a NUL ends the text", std::string("caf\xC3\xA9\0\xFF", 6), Utf8, "caf\xE9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(detectEncoding(c.bytes), c.encoding);
        std::string decoded = c.bytes;
        EXPECT_EQ(decodeFile(decoded), c.encoding);
        if (c.encoding == Bytes) {
            EXPECT_EQ(decoded, c.bytes);
            EXPECT_EQ(encodeFile(decoded, c.encoding), c.bytes);
        } else {
            EXPECT_EQ(decoded, c.text);
            if (c.bytes.find('\0') == std::string::npos) {
                EXPECT_EQ(encodeFile(decoded, c.encoding), c.bytes);
            }
        }
    }
    EXPECT_EQ(encodeFile("", FileEncoding::Utf8WithBom), "");
}

// Pieces may end anywhere, inside the mark or a character included.
TEST(FileEncoding, TextInPieces)
{
    const std::string text = "\xEF\xBB\xBF" "caf\xC3\xA9 \xE2\x82\xAC!";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        SCOPED_TRACE(cut);
        Utf8PieceDecoder decoder(true);
        std::string converted;
        for (const std::string_view piece : {std::string_view(text).substr(0, cut), std::string_view(text).substr(cut)}) {
            EXPECT_TRUE(decoder.feed(piece));
            converted += decoder.converted();
        }
        EXPECT_EQ(decoder.encoding(), FileEncoding::Utf8WithBom);
        EXPECT_EQ(converted, "caf\xE9 \x80!");
    }
    Utf8PieceDecoder cutShort(false);
    EXPECT_TRUE(cutShort.feed("caf\xC3"));
    EXPECT_EQ(cutShort.encoding(), FileEncoding::Bytes);
    Utf8PieceDecoder markLater(false);
    EXPECT_TRUE(markLater.feed("abc"));
    EXPECT_FALSE(markLater.feed("\xEF\xBB\xBF")); // a mark after the start is a character
    EXPECT_FALSE(markLater.feed("plain"));
    EXPECT_EQ(markLater.encoding(), FileEncoding::Bytes);
}

TEST(FileEncoding, TextWithSubstitutes)
{
    EXPECT_EQ(utf8ToCodePage("Ard\xC3\xA8" "che"), "Ard\xE8" "che");
    EXPECT_EQ(utf8ToCodePage("\xC5\x81\xC3\xB3" "d\xC5\xBA"), std::nullopt);
    EXPECT_EQ(utf8ToCodePage("\xC5\x81\xC3\xB3" "d\xC5\xBA \xF0\x9F\x98\x80", '\x7F'), "\x7F\xF3" "d\x7F \x7F");
    EXPECT_EQ(utf8ToCodePage("Ard\xE8" "che", '\x7F'), std::nullopt); // not UTF-8
}

} // namespace
} // namespace verbalia

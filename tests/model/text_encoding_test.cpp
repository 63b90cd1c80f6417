// Listing text as strictly valid UTF-8: valid sequences kept, every other byte as Windows-1252.
#include "model/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace fp {
namespace {

TEST(TextEncoding, ValidUtf8AndPlainTextAreKept) {
    EXPECT_EQ(utf8FromListingText("LOAD 1 DEAD"), "LOAD 1 DEAD");
    EXPECT_EQ(utf8FromListingText("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"),
              "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    EXPECT_EQ(utf8FromListingText(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextEncoding, OtherBytesAreWindows1252Characters) {
    EXPECT_EQ(utf8FromListingText("1\xB0"), "1\xC2\xB0");    // degree sign
    EXPECT_EQ(utf8FromListingText("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(utf8FromListingText("\x93q\x94"), "\xE2\x80\x9Cq\xE2\x80\x9D");
    EXPECT_EQ(utf8FromListingText("\x81\x9D"), "\xC2\x81\xC2\x9D");  // undefined: C1 controls
    EXPECT_EQ(utf8FromListingText("\xC3"), "\xC3\x83");              // a lead byte at the end
}

// Sequences that look like UTF-8 but are not valid are taken byte by byte, so no reader that
// checks strictly (a JSON parser) ever sees them.
TEST(TextEncoding, OverlongSurrogateAndOutOfRangeSequencesAreNotKept) {
    EXPECT_EQ(utf8FromListingText("\xC0\xAF"), "\xC3\x80\xC2\xAF");  // overlong "/"
    EXPECT_EQ(utf8FromListingText("\xE0\x80\xAF"), "\xC3\xA0\xE2\x82\xAC\xC2\xAF");
    EXPECT_EQ(utf8FromListingText("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(utf8FromListingText("\xF4\x90\x80\x80"), "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(utf8FromListingText("\xF8\x88\x80\x80\x80").substr(0, 2), "\xC3\xB8");
}

// A text laid out to be shown is cut to a length, never inside a UTF-8 character; bytes that
// are no UTF-8 are Windows-1252 characters of one byte each, and are cut like any other.
TEST(TextEncoding, AShortenedTextKeepsWholeCharactersUpToItsLength) {
    const struct {
        const char* name;
        std::string text;
        std::size_t longest;
        std::string shortened;
    } cases[] = {
        {"short enough", "DEAD LOAD", 9, "DEAD LOAD"},
        {"plain text", "DEAD LOAD", 4, "DEAD\u2026"},
        {"a character across the cut", "ab\u20ACc", 3, "ab\u2026"},
        {"a character ending at the cut", "ab\u20ACc", 5, "ab\u20AC\u2026"},
        {"Windows-1252 bytes", "\xB0\xB0\xB0\xB0\xB0", 3, "\xB0\xB0\xB0\u2026"},
        {"a stray lead byte", "ab\xC3\xC3\xC3", 3, "ab\xC3\u2026"},
        {"nothing kept", "\u20AC", 1, "\u2026"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shortenedListingText(c.text, c.longest), c.shortened);
    }
}

}  // namespace
}  // namespace fp

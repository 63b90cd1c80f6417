// The strict JSON reader of the program's own small files: what it takes, what it refuses with
// the place, and the accepted findings' file read back as written.
#include <gtest/gtest.h>

#include <random>

#include "output/accepted_findings_file.h"
#include "output/json_value.h"

namespace fp {
namespace {

TEST(JsonValue, ReadsJsonAndRefusesAnythingElseNamingThePlace) {
    const struct {
        const char* text;
        const char* error;  // null when it is JSON
    } cases[] = {
        {R"( {"a": [1, -2.5e3, true, false, null], "b": {"c": "\u00e9\ud83d\ude00\n"}} )", nullptr},
        {"[]", nullptr},
        {"{}", nullptr},
        {"", "line 1, column 1: a value expected"},
        {"[1,]", "line 1, column 4: a value expected"},
        {"{\"a\" 1}", "':' expected"},
        {"{\"a\": 1} x", "text after the end of the value"},
        {"\"open", "a string not closed"},
        {"\"a\tb\"", "a control character in a string"},
        {"\"\\x\"", "an unknown escape"},
        {"\"\\ud800\"", "a lone surrogate"},
        {"\"\\u12\"", "four hexadecimal digits expected"},
        {"inf", "a value expected"},
        {"+1", "a value expected"},
        {"[\n\n  tru]", "line 3, column 3: a value expected"},
        {"{'a': 1}", "a string expected"},
    };
    for (const auto& c : cases) {
        try {
            parseJson(c.text);
            EXPECT_EQ(c.error, nullptr) << c.text;
        } catch (const JsonError& error) {
            ASSERT_NE(c.error, nullptr) << c.text << ": " << error.what();
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos)
                << c.text << ": " << error.what();
        }
    }
    const JsonValue nested = parseJson(std::string(64, '[') + std::string(64, ']'));
    EXPECT_EQ(nested.items.size(), 1u);
    EXPECT_THROW(parseJson(std::string(100000, '[')), JsonError) << "nested too deeply";
    const JsonValue value = parseJson(cases[0].text);
    EXPECT_EQ(value.member("b")->textOf("c"), "é😀\n");
    EXPECT_EQ(value.member("a")->items[1].number, -2500);
}

// Any reason an engineer may type, quotes, back-slashes, line feeds and all, reads back as typed.
TEST(JsonValue, AcceptedFindingsReadBackAsWritten) {
    std::mt19937 random(7);
    const std::string alphabet = "ab \"\\\n\t/{}[],:é✓\x01";
    for (int round = 0; round < 200; ++round) {
        AcceptedFindings accepted;
        for (int n = static_cast<int>(random() % 4); n > 0; --n) {
            std::string reason;
            for (int i = static_cast<int>(random() % 12); i > 0; --i) {
                // Whole characters only: é and ✓ are more than one byte.
                const std::size_t at = random() % alphabet.size();
                const std::size_t length = (alphabet[at] & 0x80) == 0      ? 1
                                           : (alphabet[at] & 0xE0) == 0xC0 ? 2
                                                                           : 3;
                if ((alphabet[at] & 0xC0) != 0x80) {
                    reason += alphabet.substr(at, length);
                }
            }
            accepted.items.push_back(
                {std::to_string(random()), reason, "partial-floor-load", reason + "."});
        }
        const JsonValue root = parseJson(acceptedFindingsJson(accepted));
        const JsonValue* items = root.member("accepted");
        ASSERT_NE(items, nullptr);
        ASSERT_EQ(items->items.size(), accepted.items.size());
        for (std::size_t i = 0; i < accepted.items.size(); ++i) {
            EXPECT_EQ(items->items[i].textOf("reason"), accepted.items[i].reason);
            EXPECT_EQ(items->items[i].textOf("id"), accepted.items[i].id);
        }
    }
}

}  // namespace
}  // namespace fp

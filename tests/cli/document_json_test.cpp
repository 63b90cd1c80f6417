// The levels of the dump: each level's beams and panels, their fields and order, and the label
// lines the start-up view writes on the panels.
#include "cli/document_json.h"
#include "output/json_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/document_builder.h"

namespace fp {
namespace {

// One 5 m by 4 m bay at 3 m, closed by four beams, with one floor load of 5 in case "2".
ListingDocument loadedBay() {
    return testing::oneClosedBay({12, 13, 14, 15}, {5000, 4000, 4000, 4990})
        .floorLoad("2", 5, 2.9f, 3.1f, -0.01f, 5.01f, -0.01f, 4.01f)
        .build();
}

std::string dumpOf(const ListingDocument& document, const std::vector<ListingMessage>& messages) {
    std::ostringstream out;
    writeDocumentJson(out, document, messages);
    return out.str();
}

// The text of the level's entry in the "levels" list.
std::string levelEntry(const std::string& dump, int level) {
    const std::string start = "{\"index\": " + std::to_string(level) + ",";
    const std::size_t from = dump.find(start);
    if (from == std::string::npos) {
        return "no level " + std::to_string(level);
    }
    const std::size_t to = dump.find('\n', from);
    std::string entry = dump.substr(from, to - from);
    if (!entry.empty() && entry.back() == ',') {
        entry.pop_back();
    }
    return entry;
}

TEST(DocumentJson, BeamsInSerialOrderWithTheirDesignRows) {
    const std::string dump = dumpOf(loadedBay(), {});
    const std::string level = levelEntry(dump, testing::kBayLevel);
    EXPECT_NE(level.find("\"beams\": "
                         "[{\"serial\": 1, \"dir\": \"X\", \"row\": 1, \"member\": 12, "
                         "\"length\": 5000, \"x\": 0, \"z\": 0}, "
                         "{\"serial\": 2, \"dir\": \"Z\", \"row\": 2, \"member\": 13, "
                         "\"length\": 4000, \"x\": 0, \"z\": 0}, "
                         "{\"serial\": 3, \"dir\": \"X\", \"row\": 4, \"member\": 15, "
                         "\"length\": 4990, \"x\": 0, \"z\": 400}, "
                         "{\"serial\": 4, \"dir\": \"Z\", \"row\": 3, \"member\": 14, "
                         "\"length\": 4000, \"x\": 500, \"z\": 0}]"),
              std::string::npos)
        << level;
    EXPECT_EQ(levelEntry(dump, 1),
              "{\"index\": 1, \"caption\": \"0 M\", \"beams\": [], \"panels\": []}");
}

TEST(DocumentJson, PanelsWithLoadsAndTheLinesTheStartUpViewWrites) {
    const std::string dump = dumpOf(loadedBay(), {});
    const std::string level = levelEntry(dump, testing::kBayLevel);
    EXPECT_EQ(level.rfind("{\"index\": 2, \"caption\": \"3 M\", \"beams\": [", 0), 0u) << level;
    const std::string panels =
        ", \"panels\": [{\"ix\": 1, \"iz\": 1, \"ix2\": 2, \"iz2\": 2, \"spanX\": 500, "
        "\"spanZ\": 400, \"loads\": [{\"intensity\": 5, \"caseTitle\": \"2\"}], "
        "\"lines\": [\"5 (2)\", \"500 X 400\"]}]}";
    ASSERT_GE(level.size(), panels.size());
    EXPECT_EQ(level.substr(level.size() - panels.size()), panels);
}

TEST(DocumentJson, MessagesAreListedWithTheirLinesAndADocumentWithoutJointsHasNoLevels) {
    const std::string dump = dumpOf(testing::DocumentBuilder().build(),
                                    {{"first", "a.anl", 4}, {"say \"two\"", "a.anl", 0}});
    EXPECT_NE(dump.find("\"messages\": [{\"line\": 4, \"text\": \"first\"}, "
                        "{\"line\": 0, \"text\": \"say \\\"two\\\"\"}]"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("\"startLevel\": 0"), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"levels\": []\n}\n"), std::string::npos) << dump;
}

// Strict JSON readers reject text that is not valid UTF-8: overlong forms, surrogates and code
// points past U+10FFFF are written as the Windows-1252 characters of their bytes; control
// characters are escaped.
TEST(DocumentJson, EveryStringIsStrictlyValidUtf8) {
    EXPECT_EQ(jsonString("1\xB0 \xC3\xA9"), "\"1\xC2\xB0 \xC3\xA9\"");
    EXPECT_EQ(jsonString("\xC0\xAF"), "\"\xC3\x80\xC2\xAF\"");
    EXPECT_EQ(jsonString("\xED\xA0\x80"), "\"\xC3\xAD\xC2\xA0\xE2\x82\xAC\"");
    EXPECT_EQ(jsonString("\xF4\x90\x80\x80").substr(0, 3), "\"\xC3\xB4");
    EXPECT_EQ(jsonString(std::string("a\0\x1F\x7F\t", 5)), "\"a\\u0000\\u001f\\u007f\\t\"");
}

}  // namespace
}  // namespace fp

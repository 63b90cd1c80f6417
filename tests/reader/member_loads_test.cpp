// Uniform member loads: statements over several lines, what is dropped, the member-list message.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "model/listing_error.h"
#include "reader/listing_fixture.h"
#include "reader/member_load_statement.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

using testing::lines;
using testing::readLoadsText;

// The distinct member loads in the order they first appear.
std::vector<float> memberLoads(const testing::ReadLoadsResult& result) {
    return {result.loads.memberLoadValues.begin(), result.loads.memberLoadValues.end()};
}

testing::ReadLoadsResult readMemberLoads(std::initializer_list<std::string> statements) {
    return readLoadsText(testing::structureHead() + lines({"   45. MEMBER LOAD"}) +
                         lines(statements));
}

TEST(MemberLoads, AStatementRunsOverContinuationLines) {
    const auto result = readMemberLoads({"   46. 1 TO 5 7 9 -", "   47. 11 12 UNI GY -10"});
    EXPECT_EQ(memberLoads(result), std::vector<float>{10});
    EXPECT_TRUE(result.messages.empty());
}

TEST(MemberLoads, EachDistinctLoadIsKeptOnceInOrderOfFirstAppearance) {
    const auto result =
        readMemberLoads({"46. 1 2 UNI GY -12.5", "47. 3 UNI GY -10", "48. 4 TO 6 UNI GY -12.5",
                         "49. LOAD 2 LOADTYPE LIVE", "50. MEMBER LOAD", "51. 7 UNI GY -2"});
    EXPECT_EQ(memberLoads(result), (std::vector<float>{12.5, 10, 2}));
}

TEST(MemberLoads, UpwardAndOtherDirectionLoadsAreDroppedAndTheSectionReadsOn) {
    const auto result = readMemberLoads(
        {"46. 1 TO 5 7 9 -", "47. 11 12 UNI GY 10", "48. 13 UNI GX -10", "49. 14 UNI GY -4"});
    EXPECT_EQ(memberLoads(result), std::vector<float>{4});
}

// Without "TO " the keyword of «5 UTO NI GY -7» reads "UNI", but the line holds no "UNI GY -":
// the statement ends there and the next one starts with nothing gathered.
TEST(MemberLoads, AKeywordMadeUniByRemovingToStillEndsTheStatement) {
    const auto result = readMemberLoads({"46. 5 UTO NI GY -7", "47. 3 UNI GY -2"});
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(memberLoads(result), std::vector<float>{2});
}

TEST(MemberLoads, ADownwardLoadReadingZeroPassesOverTheRestOfItsSection) {
    const auto result = readMemberLoads(
        {"46. 1 UNI GY -0", "47. 2 UNI GY -4", "48. LOAD 2", "49. MEMBER LOAD", "50. 3 UNI GY -6"});
    EXPECT_EQ(memberLoads(result), std::vector<float>{6});
}

TEST(MemberLoads, AMemberListPieceThatIsNoNumberShowsTheMessageAndSkipsTheSection) {
    const auto result =
        readMemberLoads({"47. 10 12  14 UNI GY -5", "48. 15 UNI GY -3", "49. 16 UNI GY -7",
                         "50. MEMBER LOAD", "51. 17 UNI GY -8"});
    EXPECT_EQ(result.messages, std::vector<std::string>{"2 Error : , 12( 48. 15 UNI GY -3)"});
    EXPECT_EQ(memberLoads(result), std::vector<float>{8});
}

// The empty piece makes the first line a continuation; the message counts every member the
// range adds before it.
TEST(MemberLoads, TheMessageCountsTheMembersARangeAdds) {
    const auto result = readMemberLoads({"46. 1 TO 4  7 UNI GY -5", "47. 8 UNI GY -3"});
    EXPECT_EQ(result.messages, std::vector<std::string>{"4 Error : , 4( 47. 8 UNI GY -3)"});
    EXPECT_TRUE(memberLoads(result).empty());
}

TEST(MemberLoads, APartialLoadTakesItsFirstNumberOnly) {
    const auto result = readMemberLoads({"46. 1 2 UNI GY -10 2 3", "47. 3 UNI GY -7.5 0.5"});
    EXPECT_EQ(memberLoads(result), (std::vector<float>{10, 7.5}));
}

TEST(MemberLoads, AStatementWithoutMemberNumbersStillAddsItsLoad) {
    const auto result = readMemberLoads({"46. UNI GY -3"});
    EXPECT_EQ(memberLoads(result), std::vector<float>{3});
}

TEST(MemberLoads, LoadsBeforeTheFirstMemberLoadLineAreNotRead) {
    const auto result =
        readLoadsText(testing::structureHead() +
                      lines({"40. 1 UNI GY -9", "45. MEMBER LOAD", "46. 1 UNI GY -2"}));
    EXPECT_EQ(memberLoads(result), std::vector<float>{2});
}

// Member numbers run far beyond the number of members a model holds, so a long range is a
// list of numbers like any other; it is counted, never written out. Only the table of loads by
// member stops at its limit, and says so first.
TEST(MemberLoads, ARangeOfAnyLengthWithinMemberNumbersIsAListOfNumbers) {
    const auto result =
        readMemberLoads({"46. 1 TO 10001 UNI GY -5", "47. 1 TO 2000000000 UNI GY -6",
                         "48. 3 TO 2000000001  7 UNI GY -7", "49. 8 UNI GY -3"});
    EXPECT_EQ(memberLoads(result), (std::vector<float>{5, 6}));
    ASSERT_EQ(result.messages.size(), 2u);
    EXPECT_EQ(result.messages[1], "1999999999 Error : , 2000000001( 49. 8 UNI GY -3)");
}

TEST(MemberLoads, ARangeEndBeyondThirtyTwoBitsEndsTheReadingAtItsLine) {
    try {
        readMemberLoads({"46. 1 TO 1E300 UNI GY -5"});
        ADD_FAILURE() << "the range was taken";
    } catch (const ListingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("line 9:"), std::string::npos) << failure.what();
    }
}

TEST(MemberLoads, ATwentyFirstDistinctLoadEndsTheReadingAtItsLine) {
    std::string statements = lines({"   45. MEMBER LOAD"});
    for (int load = 1; load <= 21; ++load) {
        statements += "   46. 1 UNI GY -" + std::to_string(load) + "\n";
    }
    try {
        readLoadsText(testing::structureHead() + statements);
        ADD_FAILURE() << "21 member loads were held";
    } catch (const ListingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("20 distinct member-load values"),
                  std::string::npos)
            << failure.what();
        EXPECT_NE(std::string(failure.what()).find("line 29:"), std::string::npos)
            << failure.what();
    }
}

TEST(MemberLoads, AnInfiniteLoadEndsTheReadingAtItsLine) {
    try {
        readMemberLoads({"46. 1 UNI GY -1E999"});
        ADD_FAILURE() << "the load was kept";
    } catch (const ListingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("line 9:"), std::string::npos) << failure.what();
    }
}

// Results print long tables of numbers; after a member-load section they are gathered as if
// they continued a statement, so the gathered text must stay small and its outcome unchanged.
TEST(MemberLoads, LongTablesOfNumbersAfterTheSectionAreGatheredWithoutGrowing) {
    std::string table;
    for (int row = 1; row <= 40000; ++row) {
        table += "   " + std::to_string(row) + "    1   0.00123  -0.00456   0.00789\n";
    }
    const auto result =
        readLoadsText(testing::structureHead() + lines({"45. MEMBER LOAD", "46. 1 UNI GY -2"}) +
                      table + lines({"99. 5 UNI GY -3"}));
    EXPECT_EQ(memberLoads(result), std::vector<float>{2});
    // Each table line is gathered from two characters after its first point.
    EXPECT_EQ(result.messages, std::vector<std::string>{"1 Error : , 0123( 99. 5 UNI GY -3)"});
}

TEST(GatheredMemberList, KeepsTheListBeforeTheFirstUniformKeyWithoutMinusSigns) {
    GatheredMemberList gathered;
    gathered.append("1 TO 5 7 9 -");
    gathered.append("11 12 UNI GY -10");
    EXPECT_EQ(gathered.memberList(), "1 TO 5 7 9 11 12 ");
    gathered.clear();
    EXPECT_EQ(gathered.memberList(), "");
}

TEST(GatheredMemberList, ASettledListGivesTheSameFirstBadPiece) {
    GatheredMemberList gathered;
    gathered.append("10 12  14 ");
    for (int i = 0; i < 20000; ++i) {
        gathered.append("1   2   3 ");
    }
    EXPECT_LT(gathered.memberList().size(), std::size_t{1} << 18);
    std::vector<std::string> pieces;
    forEachMemberListPart(
        gathered.memberList(),
        [&](std::string_view piece) {
            pieces.emplace_back(piece);
            return isNumberToken(piece);
        },
        [](int64_t, int64_t) { return true; });
    EXPECT_EQ(pieces, (std::vector<std::string>{"10", "12", ""}));
}

TEST(StatementKind, TheKeywordIsTheFirstPieceThatIsNoNumber) {
    const struct {
        const char* line;
        StatementKind kind;
    } cases[] = {
        {"46. 1 TO 5 7 9 -", StatementKind::MemberList},
        {"47. 11 12 UNI GY -10", StatementKind::Uniform},
        {"45. MEMBER LOAD", StatementKind::Other},
        {"47. 10 12  14 UNI GY -5", StatementKind::MemberList},
        {"", StatementKind::MemberList},
        {"12", StatementKind::MemberList},
        {"1 TO 3 UNI GY -2", StatementKind::Uniform},
        {"TO UNI", StatementKind::Uniform},
        {"46. 1 2 UNIFORM", StatementKind::Other},
        {"46. 1 TO-5 UNI", StatementKind::Other},
        {"LOAD 1 LOADTYPE Dead", StatementKind::Other},
    };
    std::string scratch = "stale";
    for (const auto& c : cases) {
        EXPECT_EQ(statementKind(c.line, scratch), c.kind) << '"' << c.line << '"';
    }
}

// Every "TO " and then every " -" is removed before the pieces are read, so the removals join
// what they leave behind.
TEST(StatementKind, RemovalsJoinWhatTheyLeaveBehind) {
    const struct {
        const char* line;
        StatementKind kind;
    } cases[] = {
        {"5 UTO NI GY -7", StatementKind::Uniform},  // "5 UNI GY7"
        {"U -NI 3", StatementKind::Uniform},         // "UNI 3"
        {"5 -UNI GY", StatementKind::Other},         // "5UNI GY"
        {"1 -2.5 3", StatementKind::MemberList},     // "12.5 3"
        {"1 -  2", StatementKind::MemberList},       // "1  2": an empty piece
        {"1 -2.5 X -3", StatementKind::Other},       // "X3"
        {"12 GOTO 5", StatementKind::Other},         // "GO5"
        {"3 TO -4 X", StatementKind::Other},         // "X"
        {"STOP -3", StatementKind::Other},           // "STOP3"
        {"TTO O 7", StatementKind::Other},           // "TO 7": removed once, left to right
    };
    std::string scratch;
    for (const auto& c : cases) {
        EXPECT_EQ(statementKind(c.line, scratch), c.kind) << '"' << c.line << '"';
    }
}

// The keyword by the letter of its definition: both removals made on whole texts, then the
// pieces tested in turn.
std::string keywordByDefinition(std::string text) {
    for (const std::string pattern : {"TO ", " -"}) {
        std::string removed;
        std::size_t from = 0;
        for (std::size_t at = text.find(pattern); at != std::string::npos;
             at = text.find(pattern, from)) {
            removed += text.substr(from, at - from);
            from = at + pattern.size();
        }
        text = removed + text.substr(from);
    }
    for (std::string_view piece : cutAtBlanks(text)) {
        if (!isNumberToken(piece)) {
            return std::string(piece);
        }
    }
    return {};
}

StatementKind kindOfKeyword(const std::string& keyword) {
    return keyword.empty()    ? StatementKind::MemberList
           : keyword == "UNI" ? StatementKind::Uniform
                              : StatementKind::Other;
}

TEST(StatementKind, AgreesWithTheKeywordByItsDefinitionOnMixedLines) {
    const char* const fragments[] = {"TO",   "TO ", " -",   "-", " ",  "12",  ".",
                                     "5",    "UNI", "GY",   "T", "O",  "E",   "3.",
                                     "46. ", "--",  "1E-5", "U", "NI", "ALL", "UNITS"};
    std::uint32_t seed = 12345;
    std::string scratch = "stale";
    for (int line = 0; line < 20000; ++line) {
        std::string text;
        seed = seed * 1664525u + 1013904223u;
        const int length = static_cast<int>(seed >> 28);
        for (int i = 0; i < length; ++i) {
            seed = seed * 1664525u + 1013904223u;
            text += fragments[(seed >> 16) % std::size(fragments)];
        }
        ASSERT_EQ(statementKind(text, scratch), kindOfKeyword(keywordByDefinition(text)))
            << '"' << text << '"';
    }
}

TEST(IntensityText, EndsAtTheFirstBlankAfterADigit) {
    EXPECT_EQ(intensityText("UNI GY -10 2 3", 7), "-10");
    EXPECT_EQ(intensityText("UNI GY - 10 2", 7), "- 10");
    EXPECT_EQ(intensityText("UNI GY -7.5", 7), "-7.5");
    EXPECT_EQ(intensityText("UNI GY", 7), "");
}

}  // namespace
}  // namespace fp

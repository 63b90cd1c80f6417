// Uniform member loads: statements over several lines, what is dropped, the member-list message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/run_error.h"
#include "reader/listing_fixture.h"
#include "reader/member_load_statement.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

using testing::lines;
using testing::readListingText;

std::vector<float> memberLoads(const ModelStore& model) {
    std::vector<float> values;
    for (int i = 1; i <= model.MemberLoadList.count(); ++i) {
        values.push_back(model.MemberLoadList[i]);
    }
    return values;
}

testing::ReadListingResult readMemberLoads(std::initializer_list<std::string> statements) {
    return readListingText(testing::structureHead() + lines({"   45. MEMBER LOAD"}) +
                           lines(statements));
}

TEST(MemberLoads, AStatementRunsOverContinuationLines) {
    const auto result = readMemberLoads({"   46. 1 TO 5 7 9 -", "   47. 11 12 UNI GY -10"});
    EXPECT_EQ(memberLoads(*result.model), std::vector<float>{10});
    EXPECT_TRUE(result.messages.empty());
}

TEST(MemberLoads, EachDistinctLoadIsKeptOnceInOrderOfFirstAppearance) {
    const auto result =
        readMemberLoads({"46. 1 2 UNI GY -12.5", "47. 3 UNI GY -10", "48. 4 TO 6 UNI GY -12.5",
                         "49. LOAD 2 LOADTYPE LIVE", "50. MEMBER LOAD", "51. 7 UNI GY -2"});
    EXPECT_EQ(memberLoads(*result.model), (std::vector<float>{12.5, 10, 2}));
}

TEST(MemberLoads, UpwardAndOtherDirectionLoadsAreDroppedAndTheSectionReadsOn) {
    const auto result = readMemberLoads(
        {"46. 1 TO 5 7 9 -", "47. 11 12 UNI GY 10", "48. 13 UNI GX -10", "49. 14 UNI GY -4"});
    EXPECT_EQ(memberLoads(*result.model), std::vector<float>{4});
}

// Without "TO " the keyword of «5 UTO NI GY -7» reads "UNI", but the line holds no "UNI GY -":
// the statement ends there and the next one starts with nothing gathered.
TEST(MemberLoads, AKeywordMadeUniByRemovingToStillEndsTheStatement) {
    const auto result = readMemberLoads({"46. 5 UTO NI GY -7", "47. 3 UNI GY -2"});
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(memberLoads(*result.model), std::vector<float>{2});
}

TEST(MemberLoads, ADownwardLoadReadingZeroPassesOverTheRestOfItsSection) {
    const auto result = readMemberLoads(
        {"46. 1 UNI GY -0", "47. 2 UNI GY -4", "48. LOAD 2", "49. MEMBER LOAD", "50. 3 UNI GY -6"});
    EXPECT_EQ(memberLoads(*result.model), std::vector<float>{6});
}

TEST(MemberLoads, AMemberListPieceThatIsNoNumberShowsTheMessageAndSkipsTheSection) {
    const auto result =
        readMemberLoads({"47. 10 12  14 UNI GY -5", "48. 15 UNI GY -3", "49. 16 UNI GY -7",
                         "50. MEMBER LOAD", "51. 17 UNI GY -8"});
    EXPECT_EQ(result.messages, std::vector<std::string>{"2 Error : , 12( 48. 15 UNI GY -3)"});
    EXPECT_EQ(memberLoads(*result.model), std::vector<float>{8});
}

// The empty piece makes the first line a continuation; the message counts every member the
// range adds before it.
TEST(MemberLoads, TheMessageCountsTheMembersARangeAdds) {
    const auto result = readMemberLoads({"46. 1 TO 4  7 UNI GY -5", "47. 8 UNI GY -3"});
    EXPECT_EQ(result.messages, std::vector<std::string>{"4 Error : , 4( 47. 8 UNI GY -3)"});
    EXPECT_TRUE(memberLoads(*result.model).empty());
}

TEST(MemberLoads, APartialLoadTakesItsFirstNumberOnly) {
    const auto result = readMemberLoads({"46. 1 2 UNI GY -10 2 3", "47. 3 UNI GY -7.5 0.5"});
    EXPECT_EQ(memberLoads(*result.model), (std::vector<float>{10, 7.5}));
}

TEST(MemberLoads, AStatementWithoutMemberNumbersStillAddsItsLoad) {
    const auto result = readMemberLoads({"46. UNI GY -3"});
    EXPECT_EQ(memberLoads(*result.model), std::vector<float>{3});
}

TEST(MemberLoads, LoadsBeforeTheFirstMemberLoadLineAreNotRead) {
    const auto result =
        readListingText(testing::structureHead() +
                        lines({"40. 1 UNI GY -9", "45. MEMBER LOAD", "46. 1 UNI GY -2"}));
    EXPECT_EQ(memberLoads(*result.model), std::vector<float>{2});
}

// Member numbers run far beyond the number of members a model holds, so a long range is a
// list of numbers like any other; it is counted, never written out.
TEST(MemberLoads, ARangeOfAnyLengthWithinMemberNumbersIsAListOfNumbers) {
    const auto result =
        readMemberLoads({"46. 1 TO 10001 UNI GY -5", "47. 1 TO 2000000000 UNI GY -6",
                         "48. 3 TO 2000000001  7 UNI GY -7", "49. 8 UNI GY -3"});
    EXPECT_EQ(memberLoads(*result.model), (std::vector<float>{5, 6}));
    EXPECT_EQ(result.messages,
              std::vector<std::string>{"1999999999 Error : , 2000000001( 49. 8 UNI GY -3)"});
}

TEST(MemberLoads, ARangeEndBeyondThirtyTwoBitsEndsTheRunAtItsLine) {
    try {
        readMemberLoads({"46. 1 TO 1E300 UNI GY -5"});
        ADD_FAILURE() << "the range was taken";
    } catch (const RunEndingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("(line 9)"), std::string::npos)
            << failure.what();
    }
}

TEST(MemberLoads, ATwentyFirstDistinctLoadEndsTheRunAtItsLine) {
    std::string statements = lines({"   45. MEMBER LOAD"});
    for (int load = 1; load <= 21; ++load) {
        statements += "   46. 1 UNI GY -" + std::to_string(load) + "\n";
    }
    try {
        readListingText(testing::structureHead() + statements);
        ADD_FAILURE() << "21 member loads were held";
    } catch (const RunEndingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("20 distinct member-load values"),
                  std::string::npos)
            << failure.what();
        EXPECT_NE(std::string(failure.what()).find("(line 29)"), std::string::npos)
            << failure.what();
    }
}

TEST(MemberLoads, AnInfiniteLoadEndsTheRunAtItsLine) {
    try {
        readMemberLoads({"46. 1 UNI GY -1E999"});
        ADD_FAILURE() << "the load was kept";
    } catch (const RunEndingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("(line 9)"), std::string::npos)
            << failure.what();
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
        readListingText(testing::structureHead() + lines({"45. MEMBER LOAD", "46. 1 UNI GY -2"}) +
                        table + lines({"99. 5 UNI GY -3"}));
    EXPECT_EQ(memberLoads(*result.model), std::vector<float>{2});
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
    ForEachMemberListPiece(gathered.memberList(), [&](std::string_view piece) {
        pieces.emplace_back(piece);
        return IsNumberToken(piece);
    });
    EXPECT_EQ(pieces, (std::vector<std::string>{"10", "12", ""}));
}

TEST(StatementKind, AgreesWithTheKeywordOfTheLine) {
    std::string scratch;
    for (const std::string line :
         {"46. 1 TO 5 7 9 -", "47. 11 12 UNI GY -10", "45. MEMBER LOAD", "47. 10 12  14 UNI GY -5",
          "", "12", "1 TO 3 UNI GY -2", "5 -UNI GY", "TO UNI", "46. 1 2 UNIFORM", "1 -  2",
          "46. 1 TO-5 UNI", "STOP -3"}) {
        const std::string keyword = FirstNonNumberToken(line);
        const StatementKind expected = keyword.empty()    ? StatementKind::MemberList
                                       : keyword == "UNI" ? StatementKind::Uniform
                                                          : StatementKind::Other;
        EXPECT_EQ(statementKind(line, scratch), expected) << line;
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

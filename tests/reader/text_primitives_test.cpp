// Tests of the listing's text primitives: runs, leading numbers, number tokens, member lists.
#include "reader/text_primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "model/run_error.h"

namespace fp {
namespace {

std::vector<std::string> runsOf(const std::string& line) {
    std::vector<std::string> runs;
    const int end = static_cast<int>(line.size()) + 1;
    for (int start = SkipToNumber(line, 1); start < end; start = SkipToNumber(line, start)) {
        const int past = SkipNumber(line, start);
        runs.push_back(line.substr(static_cast<std::size_t>(start - 1),
                                   static_cast<std::size_t>(past - start)));
        start = past;
    }
    return runs;
}

std::vector<std::string> asStrings(const std::vector<std::string_view>& pieces) {
    return {pieces.begin(), pieces.end()};
}

TEST(NumberRuns, WalkAnEchoLineRunByRun) {
    EXPECT_EQ(SkipToNumber("46. 1 2", 1), 1);
    EXPECT_EQ(SkipNumber("46. 1 2", 1), 4);
    EXPECT_EQ(SkipToNumber("46. 1 2", 4), 5);
    EXPECT_EQ(SkipNumber("46. 1 2", 7), 8);
}

TEST(NumberRuns, PositionPastTheEndWhenNoRunFollows) {
    EXPECT_EQ(SkipToNumber("7. MEMBER INCIDENCES", 3), 21);
    EXPECT_EQ(SkipToNumber("", 1), 1);
    EXPECT_EQ(SkipToNumber("JOINT", 1), 6);
    EXPECT_EQ(SkipNumber("12.5", 1), 5);
}

TEST(NumberRuns, SemicolonSeparatesLikeABlank) {
    EXPECT_EQ(runsOf("1 0 0 0; 2 4.5 0 0"),
              (std::vector<std::string>{"1", "0", "0", "0", "2", "4.5", "0", "0"}));
    EXPECT_EQ(runsOf("   12. JOINT COORDINATES"), (std::vector<std::string>{"12."}));
    EXPECT_EQ(runsOf("1,-2/3:4"), (std::vector<std::string>{"1", "-2/3", "4"}));
}

TEST(NumberRuns, NumberCharactersAreCodes45To57) {
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(isNumberCharacter(static_cast<char>(c)), c >= 45 && c <= 57) << c;
    }
}

TEST(LeadingNumber, WorkedExamples) {
    EXPECT_DOUBLE_EQ(LeadingNumber("   12. JOINT COORDINATES"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber("4500.0 m"), 4500);
    EXPECT_DOUBLE_EQ(LeadingNumber("2/3"), 2);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("UNI"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("- 5"), -5);
    EXPECT_DOUBLE_EQ(LeadingNumber("46. 1 TO 5"), 46.1);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.5E-03"), 0.0015);
}

TEST(LeadingNumber, SignsPointsAndExponents) {
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("+7"), 7);
    EXPECT_DOUBLE_EQ(LeadingNumber(" \t- .5"), -0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("46."), 46);
    EXPECT_DOUBLE_EQ(LeadingNumber("-10 2 3"), -1023);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.5d2"), 150);
    EXPECT_DOUBLE_EQ(LeadingNumber("2E+1x"), 20);
    EXPECT_DOUBLE_EQ(LeadingNumber("3E"), 3);
    EXPECT_DOUBLE_EQ(LeadingNumber("3E-"), 3);
    EXPECT_DOUBLE_EQ(LeadingNumber("--5"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1\n2"), 12);
}

TEST(LeadingNumber, ValuesBeyondADoubleAreInfiniteOrZero) {
    EXPECT_EQ(LeadingNumber("1E999"), HUGE_VAL);
    EXPECT_EQ(LeadingNumber("-1E999"), -HUGE_VAL);
    EXPECT_EQ(LeadingNumber("1E-999"), 0);
    EXPECT_EQ(LeadingNumber("0.0001E-330"), 0);
    EXPECT_EQ(LeadingNumber("1E-99999999999999999999"), 0);
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), HUGE_VAL);
    EXPECT_DOUBLE_EQ(LeadingNumber(std::string(400, '0') + "7"), 7);
}

TEST(IsNumberToken, NumbersWithPointsSignsAndExponents) {
    for (const char* token : {"46.", ".5", "12", "-3", "+3", " 12 ", "1.5E-03", "2d+4", "-.5"}) {
        EXPECT_TRUE(IsNumberToken(token)) << token;
    }
}

TEST(IsNumberToken, AnythingElseIsNot) {
    for (const char* token :
         {"", " ", "TO", "UNI", "GY5", "12;", "-", ".", "1.2.3", "2/3", "- 5", "1E", "5-", "1 2"}) {
        EXPECT_FALSE(IsNumberToken(token)) << token;
    }
}

TEST(CutAtBlanks, EveryBlankEndsAPiece) {
    EXPECT_EQ(asStrings(cutAtBlanks("1  2")), (std::vector<std::string>{"1", "", "2"}));
    EXPECT_EQ(asStrings(cutAtBlanks("UNI")), (std::vector<std::string>{"UNI"}));
    EXPECT_EQ(asStrings(cutAtBlanks("5 ")), (std::vector<std::string>{"5", ""}));
    EXPECT_TRUE(cutAtBlanks("").empty());
}

TEST(TrimBlanks, StripsBlanksOnly) {
    EXPECT_EQ(trimBlanks("  46. 1 2  "), "46. 1 2");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks("\tX "), "\tX");
}

TEST(ExpandMemberList, WorkedExamples) {
    EXPECT_EQ(ExpandMemberList("1 TO 5 7 9"), "1 2 3 4 5 7 9 ");
    EXPECT_EQ(ExpandMemberList("10 TO 12"), "10 11 12 ");
    EXPECT_EQ(ExpandMemberList("5 TO 6"), "5 6 ");
    EXPECT_EQ(ExpandMemberList("1 TO 4.5"), "1 2 3 4 4.5 ");
    EXPECT_EQ(ExpandMemberList("3"), "3 ");
    EXPECT_EQ(ExpandMemberList("1  2"), "1  2 ");
    EXPECT_EQ(ExpandMemberList(""), "");
    EXPECT_EQ(ExpandMemberList("7 TO 5"), "7 5 ");
    EXPECT_EQ(ExpandMemberList("5 TO 5"), "5 5 ");
}

TEST(ExpandMemberList, OnlyUpperCaseToIsARange) {
    EXPECT_EQ(ExpandMemberList("  1 to 3 "), "1 to 3 ");
    EXPECT_EQ(ExpandMemberList("2.5 TO 5"), "2.5 3 4 5 ");
    EXPECT_EQ(ExpandMemberList("100001 TO 100003"), "100001 100002 100003 ");
}

TEST(ExpandMemberList, ToAtEitherEndEndsTheRun) {
    for (const char* list : {"TO 5", "5 TO", "1 2 TO ", "TO"}) {
        try {
            ExpandMemberList(list);
            ADD_FAILURE() << list;
        } catch (const RunEndingError& error) {
            EXPECT_NE(std::string(error.what()).find("\"TO\""), std::string::npos) << error.what();
        }
    }
}

TEST(ExpandMemberList, RangeLongerThanAMemberTableEndsTheRun) {
    // 0, the 9000 numbers between, 9001 and the empty piece after the last blank.
    EXPECT_EQ(cutAtBlanks(ExpandMemberList("0 TO 9001")).size(), 9003u);
    try {
        ExpandMemberList("1 TO 2000000000");
        ADD_FAILURE();
    } catch (const RunEndingError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("1 TO 2000000000"), std::string::npos) << message;
        EXPECT_NE(message.find("9000"), std::string::npos) << message;
    }
    EXPECT_THROW(ExpandMemberList("0 TO 9002"), RunEndingError);
    EXPECT_THROW(ExpandMemberList("1 TO 1E300"), RunEndingError);
    EXPECT_THROW(ExpandMemberList("1E12 TO 1E12"), RunEndingError);
}

TEST(ForEachMemberListPiece, VisitsThePiecesOfTheExpandedText) {
    const std::string list = "47 TO 50  12 TO 9 4.5";
    std::vector<std::string> visited;
    ForEachMemberListPiece(list, [&visited](std::string_view piece) {
        visited.emplace_back(piece);
        return true;
    });
    std::vector<std::string> expected = asStrings(cutAtBlanks(ExpandMemberList(list)));
    expected.pop_back();
    EXPECT_EQ(visited, expected);
}

TEST(ForEachMemberListPiece, StopsWhenAskedAndChecksTheWholeListFirst) {
    int visits = 0;
    ForEachMemberListPiece("1 TO 100", [&visits](std::string_view) { return ++visits < 3; });
    EXPECT_EQ(visits, 3);

    visits = 0;
    EXPECT_THROW(ForEachMemberListPiece("x 1 TO",
                                        [&visits](std::string_view) {
                                            ++visits;
                                            return false;
                                        }),
                 RunEndingError);
    EXPECT_EQ(visits, 0);
}

TEST(ForEachMemberListPart, HandsEachRangeOverAtOnceHoweverLong) {
    std::vector<std::string> parts;
    ForEachMemberListPart(
        "1 TO 4.5 7 TO 5 9 TO 2147483648",
        [&parts](std::string_view piece) {
            parts.emplace_back(piece);
            return true;
        },
        [&parts](int64_t first, int64_t last) {
            parts.push_back(std::to_string(first) + ".." + std::to_string(last));
            return true;
        });
    EXPECT_EQ(parts, (std::vector<std::string>{"1", "2..4", "4.5", "7", "5", "9", "10..2147483647",
                                               "2147483648"}));
    EXPECT_THROW(ForEachMemberListPart(
                     "1 TO 2147483649", [](std::string_view) { return true; },
                     [](int64_t, int64_t) { return true; }),
                 RunEndingError);
}

TEST(FirstNonNumberToken, WorkedExamples) {
    EXPECT_EQ(FirstNonNumberToken("46. 1 TO 5 7 9 -"), "");
    EXPECT_EQ(FirstNonNumberToken("47. 11 12 UNI GY -10"), "UNI");
    EXPECT_EQ(FirstNonNumberToken("45. MEMBER LOAD"), "MEMBER");
    EXPECT_EQ(FirstNonNumberToken("47. 10 12  14 UNI GY -5"), "");
}

TEST(FirstNonNumberToken, RemovalsJoinWhatTheyLeaveBehind) {
    EXPECT_EQ(FirstNonNumberToken(""), "");
    EXPECT_EQ(FirstNonNumberToken("1 -2.5 3"), "");
    EXPECT_EQ(FirstNonNumberToken("1 -2.5 X -3"), "X3");
    EXPECT_EQ(FirstNonNumberToken("12 GOTO 5"), "GO5");
    EXPECT_EQ(FirstNonNumberToken("3 TO -4 X"), "X");
    EXPECT_EQ(FirstNonNumberToken("LOAD 1 LOADTYPE Dead"), "LOAD");
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
        if (!IsNumberToken(piece)) {
            return std::string(piece);
        }
    }
    return {};
}

TEST(FirstNonNumberToken, AgreesWithItsDefinitionOnMixedLines) {
    const char* const fragments[] = {"TO", "TO ", " -", "-", " ",  "12",   ".",  "5",   "UNI",
                                     "GY", "T",   "O",  "E", "3.", "46. ", "--", "1E-5"};
    std::uint32_t seed = 12345;
    std::string keyword = "stale";
    for (int line = 0; line < 20000; ++line) {
        std::string text;
        seed = seed * 1664525u + 1013904223u;
        const int length = static_cast<int>(seed >> 28);
        for (int i = 0; i < length; ++i) {
            seed = seed * 1664525u + 1013904223u;
            text += fragments[(seed >> 16) % std::size(fragments)];
        }
        ASSERT_EQ(FirstNonNumberToken(text), keywordByDefinition(text)) << '"' << text << '"';
        FirstNonNumberTokenInto(text, keyword);
        ASSERT_EQ(keyword, keywordByDefinition(text)) << '"' << text << '"';
    }
}

TEST(AddIfAbsent, KeepsTheOrderOfFirstAppearance) {
    LoadValueList list("distinct floor-load intensities");
    AddIfAbsent(list, 5.0f);
    AddIfAbsent(list, 2.5f);
    AddIfAbsent(list, 5.0f);
    EXPECT_EQ(list.count(), 2);
    AddIfAbsent(list, 3.0f);
    EXPECT_EQ(list[0], 3.0f);
    EXPECT_EQ(list[1], 5.0f);
    EXPECT_EQ(list[2], 2.5f);
    EXPECT_EQ(list[3], 3.0f);
}

TEST(AddIfAbsent, ComparesAs32BitReals) {
    LoadValueList list("distinct member-load values");
    AddIfAbsent(list, 0.1f);
    AddIfAbsent(list, static_cast<float>(0.1));
    AddIfAbsent(list, 0.1f + 1e-7f);
    EXPECT_EQ(list.count(), 2);
}

TEST(AddIfAbsent, TwentyFirstDistinctIntensityEndsTheRun) {
    LoadValueList list("distinct floor-load intensities");
    for (int i = 1; i <= 20; ++i) {
        AddIfAbsent(list, static_cast<float>(i));
    }
    AddIfAbsent(list, 7.0f);
    EXPECT_EQ(list.count(), 20);
    try {
        AddIfAbsent(list, 21.0f);
        ADD_FAILURE();
    } catch (const RunEndingError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("20 distinct floor-load intensities"), std::string::npos) << message;
    }
    EXPECT_EQ(list.count(), 20);
}

TEST(AddIfAbsent, HundredAndFirstGridValueEndsTheRun) {
    GridList list("distinct X coordinates");
    for (int i = 1; i <= 100; ++i) {
        AddIfAbsent(list, static_cast<float>(i * 50));
    }
    EXPECT_EQ(list.count(), 100);
    EXPECT_EQ(list[100], 5000.0f);
    EXPECT_THROW(AddIfAbsent(list, 1.0f), RunEndingError);
    EXPECT_EQ(list.count(), 100);
}

}  // namespace
}  // namespace fp

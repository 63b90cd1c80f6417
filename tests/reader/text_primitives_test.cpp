// Tests of the listing's text primitives: runs, leading numbers, number tokens, member lists.
#include "reader/text_primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "model/listing_error.h"

namespace fp {
namespace {

std::vector<std::string> runsOf(const std::string& line) {
    std::vector<std::string> runs;
    const int end = static_cast<int>(line.size()) + 1;
    for (int start = skipToNumber(line, 1); start < end; start = skipToNumber(line, start)) {
        const int past = skipNumber(line, start);
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
    EXPECT_EQ(skipToNumber("46. 1 2", 1), 1);
    EXPECT_EQ(skipNumber("46. 1 2", 1), 4);
    EXPECT_EQ(skipToNumber("46. 1 2", 4), 5);
    EXPECT_EQ(skipNumber("46. 1 2", 7), 8);
}

TEST(NumberRuns, PositionPastTheEndWhenNoRunFollows) {
    EXPECT_EQ(skipToNumber("7. MEMBER INCIDENCES", 3), 21);
    EXPECT_EQ(skipToNumber("", 1), 1);
    EXPECT_EQ(skipToNumber("JOINT", 1), 6);
    EXPECT_EQ(skipNumber("12.5", 1), 5);
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
    EXPECT_DOUBLE_EQ(leadingNumber("   12. JOINT COORDINATES"), 12);
    EXPECT_DOUBLE_EQ(leadingNumber("4500.0 m"), 4500);
    EXPECT_DOUBLE_EQ(leadingNumber("2/3"), 2);
    EXPECT_DOUBLE_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(leadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("UNI"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("- 5"), -5);
    EXPECT_DOUBLE_EQ(leadingNumber("46. 1 TO 5"), 46.1);
    EXPECT_DOUBLE_EQ(leadingNumber("1.5E-03"), 0.0015);
}

TEST(LeadingNumber, SignsPointsAndExponents) {
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("+7"), 7);
    EXPECT_DOUBLE_EQ(leadingNumber(" \t- .5"), -0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("46."), 46);
    EXPECT_DOUBLE_EQ(leadingNumber("-10 2 3"), -1023);
    EXPECT_DOUBLE_EQ(leadingNumber("1.5d2"), 150);
    EXPECT_DOUBLE_EQ(leadingNumber("2E+1x"), 20);
    EXPECT_DOUBLE_EQ(leadingNumber("3E"), 3);
    EXPECT_DOUBLE_EQ(leadingNumber("3E-"), 3);
    EXPECT_DOUBLE_EQ(leadingNumber("--5"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("1\n2"), 12);
}

TEST(LeadingNumber, ValuesBeyondADoubleAreInfiniteOrZero) {
    EXPECT_EQ(leadingNumber("1E999"), HUGE_VAL);
    EXPECT_EQ(leadingNumber("-1E999"), -HUGE_VAL);
    EXPECT_EQ(leadingNumber("1E-999"), 0);
    EXPECT_EQ(leadingNumber("0.0001E-330"), 0);
    EXPECT_EQ(leadingNumber("1E-99999999999999999999"), 0);
    EXPECT_EQ(leadingNumber(std::string(400, '9')), HUGE_VAL);
    EXPECT_DOUBLE_EQ(leadingNumber(std::string(400, '0') + "7"), 7);
}

TEST(IsNumberToken, NumbersWithPointsSignsAndExponents) {
    for (const char* token : {"46.", ".5", "12", "-3", "+3", " 12 ", "1.5E-03", "2d+4", "-.5"}) {
        EXPECT_TRUE(isNumberToken(token)) << token;
    }
}

TEST(IsNumberToken, AnythingElseIsNot) {
    for (const char* token :
         {"", " ", "TO", "UNI", "GY5", "12;", "-", ".", "1.2.3", "2/3", "- 5", "1E", "5-", "1 2"}) {
        EXPECT_FALSE(isNumberToken(token)) << token;
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

// The parts of a member list as visited: pieces as written, ranges as "first..last".
std::vector<std::string> partsOf(std::string_view list) {
    std::vector<std::string> parts;
    forEachMemberListPart(
        list,
        [&parts](std::string_view piece) {
            parts.emplace_back(piece);
            return true;
        },
        [&parts](int64_t first, int64_t last) {
            parts.push_back(std::to_string(first) + ".." + std::to_string(last));
            return true;
        });
    return parts;
}

using Parts = std::vector<std::string>;

TEST(ForEachMemberListPart, WorkedExamples) {
    EXPECT_EQ(partsOf("1 TO 5 7 9"), (Parts{"1", "2..4", "5", "7", "9"}));
    EXPECT_EQ(partsOf("10 TO 12"), (Parts{"10", "11..11", "12"}));
    EXPECT_EQ(partsOf("5 TO 6"), (Parts{"5", "6"}));
    EXPECT_EQ(partsOf("1 TO 4.5"), (Parts{"1", "2..4", "4.5"}));
    EXPECT_EQ(partsOf("3"), (Parts{"3"}));
    EXPECT_EQ(partsOf("1  2"), (Parts{"1", "", "2"}));
    EXPECT_EQ(partsOf(""), Parts{});
    EXPECT_EQ(partsOf("7 TO 5"), (Parts{"7", "5"}));
    EXPECT_EQ(partsOf("5 TO 5"), (Parts{"5", "5"}));
    EXPECT_EQ(partsOf("47 TO 50  12 TO 9 4.5"),
              (Parts{"47", "48..49", "50", "", "12", "9", "4.5"}));
}

TEST(ForEachMemberListPart, OnlyUpperCaseToIsARange) {
    EXPECT_EQ(partsOf("  1 to 3 "), (Parts{"1", "to", "3"}));
    EXPECT_EQ(partsOf("2.5 TO 5"), (Parts{"2.5", "3..4", "5"}));
    EXPECT_EQ(partsOf("100001 TO 100003"), (Parts{"100001", "100002..100002", "100003"}));
}

TEST(ForEachMemberListPart, ToAtEitherEndEndsTheReading) {
    for (const char* list : {"TO 5", "5 TO", "1 2 TO ", "TO"}) {
        try {
            partsOf(list);
            ADD_FAILURE() << list;
        } catch (const ListingError& error) {
            EXPECT_NE(std::string(error.what()).find("\"TO\""), std::string::npos) << error.what();
        }
    }
}

// A range is handed over whole, so its length does not matter; its ends must be member numbers.
TEST(ForEachMemberListPart, HandsEachRangeOverAtOnceHoweverLong) {
    EXPECT_EQ(partsOf("0 TO 9001"), (Parts{"0", "1..9000", "9001"}));
    EXPECT_EQ(partsOf("1 TO 2000000000"), (Parts{"1", "2..1999999999", "2000000000"}));
    EXPECT_EQ(partsOf("1 TO 4.5 7 TO 5 9 TO 2147483648"),
              (Parts{"1", "2..4", "4.5", "7", "5", "9", "10..2147483647", "2147483648"}));
    try {
        partsOf("1 TO 2147483649");
        ADD_FAILURE();
    } catch (const ListingError& error) {
        EXPECT_NE(std::string(error.what()).find("1 TO 2147483649"), std::string::npos)
            << error.what();
    }
    EXPECT_THROW(partsOf("1 TO 1E300"), ListingError);
    EXPECT_THROW(partsOf("1E12 TO 1E12"), ListingError);
}

TEST(ForEachMemberListPart, StopsWhenAskedAndChecksTheWholeListFirst) {
    int visits = 0;
    forEachMemberListPart(
        "1 2 3 4 5", [&visits](std::string_view) { return ++visits < 3; },
        [](int64_t, int64_t) { return true; });
    EXPECT_EQ(visits, 3);

    visits = 0;
    forEachMemberListPart(
        "1 TO 100 200 TO 300 400",
        [&visits](std::string_view) {
            ++visits;
            return true;
        },
        [&visits](int64_t, int64_t) {
            ++visits;
            return false;
        });
    EXPECT_EQ(visits, 2) << "the piece 1 and the first range";

    visits = 0;
    const auto counted = [&visits](std::string_view) {
        ++visits;
        return false;
    };
    EXPECT_THROW(forEachMemberListPart("x 1 TO", counted, [](int64_t, int64_t) { return true; }),
                 ListingError);
    EXPECT_THROW(
        forEachMemberListPart("x 1 TO 1E300", counted, [](int64_t, int64_t) { return true; }),
        ListingError);
    EXPECT_EQ(visits, 0);
}

}  // namespace
}  // namespace fp

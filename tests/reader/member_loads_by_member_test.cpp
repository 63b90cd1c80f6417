// Member loads by member: every accepted load with the members it acts on and its load case,
// while the distinct member loads and the pass's messages stay as they were.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "reader/listing_fixture.h"

namespace fp {
namespace {

using testing::lines;
using testing::readLoadsText;
using Entry = std::tuple<int32_t, float, std::string>;

std::vector<Entry> entries(const testing::ReadLoadsResult& result) {
    std::vector<Entry> all;
    for (const MemberLoad& load : result.loads.memberLoadsByMember) {
        all.emplace_back(load.member, load.value, load.caseNumber);
    }
    return all;
}

std::vector<float> distinct(const testing::ReadLoadsResult& result) {
    return {result.loads.memberLoadValues.begin(), result.loads.memberLoadValues.end()};
}

testing::ReadLoadsResult read(std::initializer_list<std::string> body) {
    return readLoadsText(testing::structureHead() + lines(body));
}

TEST(MemberLoadsByMember, RangesContinuationsAndCasesGiveOneEntryPerMember) {
    const auto result = read({"   40. LOAD 1 LOADTYPE DEAD TITLE DEAD LOAD", "   41. MEMBER LOAD",
                              "   42. 1 TO 3 7 -", "   43. 9 UNI GY -10", "   44. 4 5 UNI GY -2.5",
                              "   45. LOAD 2 LOADTYPE LIVE TITLE LIVE LOAD", "   46. MEMBER LOAD",
                              "   47. 2 UNI GY -10"});
    const std::vector<Entry> expected = {{1, 10, "1"},   {2, 10, "1"}, {3, 10, "1"},
                                         {7, 10, "1"},   {9, 10, "1"}, {4, 2.5f, "1"},
                                         {5, 2.5f, "1"}, {2, 10, "2"}};
    EXPECT_EQ(entries(result), expected);
    EXPECT_EQ(distinct(result), (std::vector<float>{10, 2.5f}));
    EXPECT_TRUE(result.messages.empty());
}

// Each member keeps the line it is written on, a member a range adds the line of the range's
// first end; the structure's head takes the listing's first seven lines.
TEST(MemberLoadsByMember, EachMemberKeepsTheLineItIsWrittenOn) {
    const auto result = read({"   41. MEMBER LOAD", "   42. 1 TO -", "   43. 3 7 -", "",
                              "   44. 9 UNI GY -10", "   45. 4 UNI GY -2.5"});
    std::vector<std::pair<int32_t, long>> found;
    for (const MemberLoad& load : result.loads.memberLoadsByMember) {
        found.emplace_back(load.member, load.line);
    }
    EXPECT_EQ(found, (std::vector<std::pair<int32_t, long>>{
                         {1, 9}, {2, 9}, {3, 10}, {7, 10}, {9, 12}, {4, 13}}));
}

// A header inside a member-load section, before its MEMBER LOAD line, still sets the case, and
// the statements around it read as before.
TEST(MemberLoadsByMember, AHeaderAnywhereSetsTheCaseOfTheLoadsAfterIt) {
    const auto result =
        read({"   41. MEMBER LOAD", "   42. 1 UNI GY -3", "   43. LOAD 7 LOADTYPE WIND TITLE W",
              "   44. 2 UNI GY -3", "   45. LOAD 8 LOADTYPE SNOW TITLE S", "   46. MEMBER LOAD",
              "   47. 3 -", "   48. 4 UNI GY -6"});
    const std::vector<Entry> expected = {{1, 3, ""}, {2, 3, "7"}, {3, 6, "8"}, {4, 6, "8"}};
    EXPECT_EQ(entries(result), expected);
    EXPECT_EQ(distinct(result), (std::vector<float>{3, 6}));
}

TEST(MemberLoadsByMember, LoadsThePassDropsAreNotKeptByMember) {
    const auto result = read({"   41. MEMBER LOAD", "   42. 1 UNI GY 10", "   43. 2 UNI GX -10",
                              "   44. 3 UNI GY -4", "   45. 10 12  14 UNI GY -5",
                              "   46. 15 UNI GY -3", "   47. 1.5 16 UNI GY -7"});
    // Line 46 ends a list whose empty piece is no member number: its message, and the section
    // is passed over from there.
    EXPECT_EQ(entries(result), (std::vector<Entry>{{3, 4, ""}}));
    EXPECT_EQ(result.messages.size(), 1u);
}

// A member-list piece that is a number but no whole member number names no member.
TEST(MemberLoadsByMember, APieceThatIsNoWholeNumberNamesNoMember) {
    const auto result = read({"   41. MEMBER LOAD", "   42. 1.5 16 UNI GY -7"});
    EXPECT_EQ(entries(result), (std::vector<Entry>{{16, 7, ""}}));
    EXPECT_EQ(distinct(result), std::vector<float>{7});
}

// A range of billions of members fills the table to its limit, says so once, and the reading
// goes on: the distinct loads after it are still read.
TEST(MemberLoadsByMember, TheTableStopsAtItsLimitWithOneMessage) {
    const auto result = read({"   41. MEMBER LOAD", "   42. 1 TO 2000000000 UNI GY -4",
                              "   43. 5 UNI GY -6", "   44. 6 UNI GY -8"});
    EXPECT_EQ(result.loads.memberLoadsByMember.size(), kMaxMemberLoads);
    EXPECT_EQ(result.loads.memberLoadsByMember.back().member,
              static_cast<int32_t>(kMaxMemberLoads));
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_NE(result.messages[0].find("more than 60000 member loads by member"), std::string::npos);
    EXPECT_EQ(distinct(result), (std::vector<float>{4, 6, 8}));
}

// A load-case number of any length is held once: the header and every load of its case, floor
// and member loads alike, and a later header repeating it, share one text rather than each
// holding a copy (a 1 MB number under 1,600 loads took 1.6 GB).
TEST(MemberLoadsByMember, EveryLoadOfACaseSharesTheOneTextOfItsNumber) {
    const std::string number(100000, '7');
    const auto result =
        read({"   40. LOAD " + number + " LOADTYPE DEAD TITLE DEAD", "   41. FLOOR LOAD",
              "   42. YRANGE 2.9 3.1 FLOAD -4 GY", "   43. YRANGE 2.9 3.1 FLOAD -5 GY",
              "   44. MEMBER LOAD", "   45. 1 2 UNI GY -3",
              "   46. LOAD 2 LOADTYPE LIVE TITLE LIVE", "   47. MEMBER LOAD", "   48. 1 UNI GY -1",
              "   49. LOAD " + number + " LOADTYPE DEAD TITLE DEAD", "   50. MEMBER LOAD",
              "   51. 2 UNI GY -2"});
    const LoadsAndDesigns& loads = result.loads;
    ASSERT_EQ(loads.loadCases.size(), 2u);
    const char* text = std::string_view(loads.loadCases[0].number).data();
    EXPECT_EQ(std::string_view(loads.loadCases[0].number), number);
    std::vector<const char*> held;
    for (const FloorLoad& load : loads.floorLoads) {
        held.push_back(std::string_view(load.caseNumber).data());
    }
    for (const MemberLoad& load : loads.memberLoadsByMember) {
        if (load.member != 1 || load.value != 1) {
            held.push_back(std::string_view(load.caseNumber).data());
        }
    }
    EXPECT_EQ(held, std::vector<const char*>(5, text));
}

}  // namespace
}  // namespace fp

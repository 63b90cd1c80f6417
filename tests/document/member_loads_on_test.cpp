// A document's member loads by member: found by member number, in the order read, with the
// title of their load case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/listing_fixture.h"

namespace fp {
namespace {

using testing::lines;

std::vector<float> valuesOn(const ListingDocument& document, int32_t member) {
    std::vector<float> values;
    for (const MemberLoad& load : document.memberLoadsOn(member)) {
        values.push_back(load.value);
    }
    return values;
}

TEST(MemberLoadsOn, EachMembersLoadsAreFoundInTheOrderRead) {
    const auto read = testing::readListingText(
        testing::structureHead() +
        lines({"   40. LOAD 1 LOADTYPE DEAD TITLE DEAD LOAD", "   41. MEMBER LOAD",
               "   42. 2 3 UNI GY -10", "   43. 1 UNI GY -4",
               "   44. LOAD 2 LOADTYPE LIVE TITLE LIVE LOAD", "   45. MEMBER LOAD",
               "   46. 2 UNI GY -1.5", "   47. 1 2 UNI GY -10"}));
    const ListingDocument& document = read.document;
    EXPECT_EQ(valuesOn(document, 1), (std::vector<float>{4, 10}));
    EXPECT_EQ(valuesOn(document, 2), (std::vector<float>{10, 1.5f, 10}));
    EXPECT_EQ(valuesOn(document, 3), std::vector<float>{10});
    EXPECT_TRUE(valuesOn(document, 4).empty());
    EXPECT_TRUE(valuesOn(document, 0).empty());
    ASSERT_EQ(document.memberLoadsOn(2).size(), 3u);
    EXPECT_EQ(document.memberLoadsOn(2)[1].caseNumber, "2");
    // The distinct list is as it always was.
    EXPECT_EQ(
        std::vector<float>(document.memberLoadValues.begin(), document.memberLoadValues.end()),
        (std::vector<float>{1.5f, 4, 10}));
}

TEST(MemberLoadsOn, ALoadCaseIsFoundByItsNumberAsWritten) {
    const auto read = testing::readListingText(
        testing::structureHead() + lines({"   40. LOAD 1 LOADTYPE DEAD TITLE DEAD LOAD",
                                          "   41. LOAD 12 LOADTYPE LIVE TITLE OFFICE LIVE"}));
    ASSERT_NE(read.document.loadCase("12"), nullptr);
    EXPECT_EQ(read.document.loadCase("12")->title, "OFFICE LIVE");
    EXPECT_EQ(read.document.loadCase("1")->title, "DEAD LOAD");
    EXPECT_EQ(read.document.loadCase("2"), nullptr);
    EXPECT_EQ(read.document.loadCase(""), nullptr);
}

}  // namespace
}  // namespace fp

// Reading load-case headers and floor loads: both YRANGE forms, what is ignored, what fails.
#include <gtest/gtest.h>

#include <string>

#include "model/listing_error.h"
#include "reader/listing_fixture.h"

namespace fp {
namespace {

using testing::lines;
using testing::readListingText;

// Joints from X = 0 to 12 m and Z = 0 to 8 m, then `loads`.
std::string listingWithLoads(const std::string& loads) {
    return testing::structureHead() + loads;
}

TEST(FloorLoads, TheShortFormCoversTheWholePlanWidenedByOneHundredth) {
    const auto result = readListingText(
        listingWithLoads(lines({"   30. FLOOR LOAD", "   31. YRANGE 2.9 3.1 FLOAD -5 GY"})));
    const ListingDocument& document = result.document;
    ASSERT_EQ(document.floorLoads.size(), 1u);
    const FloorLoad& load = document.floorLoads[0];
    EXPECT_EQ(load.caseNumber, "");
    EXPECT_EQ(load.intensity, 5.0f);
    EXPECT_EQ(load.y1, 2.9f);
    EXPECT_EQ(load.y2, 3.1f);
    EXPECT_EQ(load.x1, -0.01f);
    EXPECT_EQ(load.x2, 12.01f);
    EXPECT_EQ(load.z1, -0.01f);
    EXPECT_EQ(load.z2, 8.01f);
    ASSERT_EQ(document.floorIntensities.size(), 1u);
    EXPECT_EQ(document.floorIntensities[0], 5.0f);
}

TEST(FloorLoads, TheShortFormCoversThePlanTheReaderIsGiven) {
    const std::string text = lines({"   30. FLOOR LOAD", "   31. YRANGE 2.9 3.1 FLOAD -5 GY"});
    const auto listing = listingInMemory(text, "plan.anl");
    testing::RecordingSink sink;
    const LoadsAndDesigns read =
        readLoadsAndDesigns(*listing, PlanExtent{-250, 700, 100, 900}, sink);
    ASSERT_EQ(read.floorLoads.size(), 1u);
    EXPECT_EQ(read.floorLoads[0].x1, -2.51f);
    EXPECT_EQ(read.floorLoads[0].x2, 7.01f);
    EXPECT_EQ(read.floorLoads[0].z1, 0.99f);
    EXPECT_EQ(read.floorLoads[0].z2, 9.01f);
}

// The full form prints its X and Z ranges after two blanks: 15 pieces, with empty pieces 9 and 13.
TEST(FloorLoads, TheFullFormTakesItsOwnRangesAndTheLatestHeadersTitle) {
    const auto result = testing::readLoadsText(
        listingWithLoads(lines({"   20. LOAD 1 LOADTYPE DEAD TITLE SLAB", "   21. FLOOR LOAD",
                                "   22. YRANGE 2.9 3.1 FLOAD -4.5 XRANGE 0 6  ZRANGE 0 4  GY",
                                "   23. LOAD 2 LOADTYPE LIVE TITLE", "   24. FLOOR LOAD",
                                "   25. YRANGE 2.9 3.1 FLOAD -2 XRANGE 6 12  ZRANGE 4 8  GY",
                                "   26. YRANGE 2.9 3.1 FLOAD -4.5 XRANGE 6 12  ZRANGE 0 4  GY"})));
    const LoadsAndDesigns& read = result.loads;
    ASSERT_EQ(read.floorLoads.size(), 3u);
    const FloorLoad& first = read.floorLoads[0];
    EXPECT_EQ(first.caseNumber, "1");
    EXPECT_EQ(first.intensity, 4.5f);
    EXPECT_EQ(first.x1, 0.0f);
    EXPECT_EQ(first.x2, 6.0f);
    EXPECT_EQ(first.z1, 0.0f);
    EXPECT_EQ(first.z2, 4.0f);
    EXPECT_EQ(read.floorLoads[1].caseNumber, "2");
    EXPECT_EQ(read.floorLoads[1].z1, 4.0f);
    EXPECT_EQ(read.floorLoads[2].caseNumber, "2");
    // In the order they first appear; the document sorts them.
    ASSERT_EQ(read.floorIntensities.size(), 2u);
    EXPECT_EQ(read.floorIntensities[0], 4.5f);
    EXPECT_EQ(read.floorIntensities[1], 2.0f);
}

TEST(FloorLoads, HeadersNeedSixPiecesWithLoadAndLoadtypeInPlace) {
    const auto result = readListingText(
        listingWithLoads(lines({"   20. LOAD 7 LOADTYPE DEAD TITLE", "   21. LOAD 8 LOADTYPE DEAD",
                                "   22. FLOOR LOAD", "   23. YRANGE 2.9 3.1 FLOAD -5 GY"})));
    ASSERT_EQ(result.document.floorLoads.size(), 1u);
    EXPECT_EQ(result.document.floorLoads[0].caseNumber, "7");
}

// Each load-case number is kept once, from its first header, with its type and title; a header
// without TITLE is titled by its type.
TEST(LoadCases, TheFirstHeaderOfEachNumberGivesItsTypeAndTitle) {
    const auto read = testing::readLoadsText(testing::lines(
        {"   20. LOAD 1 LOADTYPE Dead TITLE DEAD  LOAD", "   21. LOAD 2 LOADTYPE Live X",
         "   40. LOAD 1 LOADTYPE Wind TITLE AGAIN", "   41. LOAD 3 LOADTYPE Wind"}));
    ASSERT_EQ(read.loads.loadCases.size(), 2u);
    EXPECT_EQ(read.loads.loadCases[0].number, "1");
    EXPECT_EQ(read.loads.loadCases[0].type, "Dead");
    EXPECT_EQ(read.loads.loadCases[0].title, "DEAD  LOAD");
    EXPECT_EQ(read.loads.loadCases[1].number, "2");
    EXPECT_EQ(read.loads.loadCases[1].title, "Live");
}

TEST(FloorLoads, PositiveValuesOtherDirectionsAndOtherPieceCountsAreIgnored) {
    const auto result = readListingText(listingWithLoads(
        lines({"   30. FLOOR LOAD", "   31. YRANGE 2.9 3.1 FLOAD 5 GY",
               "   32. YRANGE 2.9 3.1 FLOAD -0 GY", "   33. YRANGE 2.9 3.1 FLOAD -5 GX",
               "   34. YRANGE 2.9 3.1 FLOAD -5 GY EXTRA",
               "   35. YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 6  ZRANGE 0 4  GX",
               "   36. YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 6 ZRANGE 0 4 GY"})));
    EXPECT_TRUE(result.document.floorLoads.empty());
    EXPECT_TRUE(result.document.floorIntensities.empty());
}

TEST(FloorLoads, LinesBeforeTheFirstFloorLoadLineAreIgnored) {
    const auto result = readListingText(listingWithLoads(
        lines({"   30. YRANGE 2.9 3.1 FLOAD -7 GY", "   31. FLOOR LOAD YRANGE 2.9 3.1 FLOAD -8 GY",
               "   32. YRANGE 2.9 3.1 FLOAD -5 GY", "  ANALYSIS RESULTS",
               "   90. YRANGE 5.9 6.1 FLOAD -6 GY"})));
    const FloorLoadList& loads = result.document.floorLoads;
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[0].intensity, 5.0f);
    EXPECT_EQ(loads[1].intensity, 6.0f);
}

void expectFailure(const std::string& loads, std::initializer_list<std::string> parts) {
    try {
        readListingText(listingWithLoads(loads));
        ADD_FAILURE() << "the listing was read";
    } catch (const ListingError& failure) {
        for (const std::string& part : parts) {
            EXPECT_NE(std::string(failure.what()).find(part), std::string::npos)
                << failure.what() << " does not hold " << part;
        }
    }
}

TEST(FloorLoads, AYrangeLineOfThreeToSixPiecesEndsTheReadingAtItsLine) {
    for (const std::string line :
         {"YRANGE 2.9", "YRANGE 2.9 3.1 FLOAD", "YRANGE 2.9 3.1 FLOAD -5"}) {
        expectFailure(lines({"   30. FLOOR LOAD", "   31. " + line}), {"line 9:", ".anl"});
    }
    // Two pieces: not a floor-load line at all.
    EXPECT_NO_THROW(readListingText(listingWithLoads(lines({"30. FLOOR LOAD", "31. YRANGE"}))));
}

TEST(FloorLoads, NonNumbersInTheValueOrInTheRangesOfAnAcceptedLineEndTheReading) {
    expectFailure(lines({"30. FLOOR LOAD", "31. YRANGE 2.9 3.1 FLOAD -5X GY"}), {"\"-5X\""});
    expectFailure(lines({"30. FLOOR LOAD", "31. YRANGE 2.9 3.1 FLOAD X GY A B C"}), {"\"X\""});
    // Two blanks shift the value: piece 5 is then "FLOAD".
    expectFailure(lines({"30. FLOOR LOAD", "31. YRANGE  2.9 3.1 FLOAD -5 GY"}), {"\"FLOAD\""});
    expectFailure(lines({"30. FLOOR LOAD", "31. YRANGE 2.9 A FLOAD -5 GY"}), {"\"A\""});
    expectFailure(
        lines({"30. FLOOR LOAD", "31. YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 6  ZRANGE 0 Z  GY"}),
        {"\"Z\""});
    // A range that is not a number does not matter on a line that is not accepted.
    EXPECT_NO_THROW(readListingText(
        listingWithLoads(lines({"30. FLOOR LOAD", "31. YRANGE 2.9 A FLOAD 5 GY"}))));
}

TEST(FloorLoads, AValueTooLargeForARealEndsTheReadingInsteadOfBecomingInfinite) {
    expectFailure(lines({"30. FLOOR LOAD", "31. YRANGE 2.9 3.1 FLOAD -1E999 GY"}),
                  {"\"-1E999\"", "line 9:"});
    expectFailure(lines({"30. FLOOR LOAD", "31. YRANGE 1E39 3.1 FLOAD -5 GY"}), {"\"1E39\""});
}

TEST(FloorLoads, MoreThanAThousandLoadsOrTwentyIntensitiesEndTheReading) {
    std::string many = lines({"30. FLOOR LOAD"});
    for (int i = 0; i < 1001; ++i) {
        many += "31. YRANGE 2.9 3.1 FLOAD -5 GY\n";
    }
    expectFailure(many, {"1000 floor loads", "line 1009:"});
    std::string distinct = lines({"30. FLOOR LOAD"});
    for (int i = 1; i <= 21; ++i) {
        distinct += "31. YRANGE 2.9 3.1 FLOAD -" + std::to_string(i) + " GY\n";
    }
    expectFailure(distinct, {"20 distinct floor-load intensities", "line 29:"});
}

}  // namespace
}  // namespace fp

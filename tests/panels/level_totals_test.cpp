// Level totals: each load case's floor load on a level's panels, and the panels left without.
#include "panels/level_totals.h"

#include <gtest/gtest.h>

#include "reader/listing_fixture.h"
#include "support/document_builder.h"

namespace fp {
namespace {

// Level 2 of a 3 x 2 grid (X 0, 5, 10 m; Z 0, 4 m): two 5 m by 4 m panels, 20 m² each.
class TwoPanels : public ::testing::Test {
  protected:
    TwoPanels() : frame(3, 2) { frame.allNeighbourBeams(); }

    LevelTotals totals() { return levelTotals(frame.builder.build(), 2); }

    testing::LevelFrame frame;
};

TEST_F(TwoPanels, EachCaseSumsAreaTimesIntensityOverThePanelsItCovers) {
    frame.builder.loadCase("1", "DEAD LOAD").loadCase("2", "LIVE LOAD");
    frame.builder.floorLoad("2", 3, 2.9f, 3.1f, 0, 5, 0, 4);      // the first panel only
    frame.builder.floorLoad("1", 5, 2.9f, 3.1f, 0, 10, 0, 4);     // both
    frame.builder.floorLoad("1", 1.5f, 2.9f, 3.1f, 0, 10, 0, 4);  // both again: it adds
    const LevelTotals level = totals();
    EXPECT_EQ(level.panels, 2);
    EXPECT_EQ(level.panelsWithoutLoad, 0);
    ASSERT_EQ(level.cases.size(), 2u);
    // Header order, not the order of the loads.
    EXPECT_EQ(level.cases[0].caseNumber, "1");
    EXPECT_DOUBLE_EQ(level.cases[0].load, 2 * 20 * (5 + 1.5));
    EXPECT_EQ(level.cases[0].panelsLoaded, 2);
    EXPECT_EQ(level.cases[1].caseNumber, "2");
    EXPECT_DOUBLE_EQ(level.cases[1].load, 20 * 3);
    EXPECT_EQ(level.cases[1].panelsLoaded, 1);
    EXPECT_EQ(level.cases[1].panelsUnloaded, 1);
}

TEST_F(TwoPanels, PanelsNoLoadCoversAreCountedAndLoadsOfOtherLevelsAddNothing) {
    frame.builder.floorLoad("1", 5, 2.9f, 3.1f, 5, 10, 0, 4);
    frame.builder.floorLoad("1", 9, 5.9f, 6.1f, 0, 10, 0, 4);
    const LevelTotals level = totals();
    EXPECT_EQ(level.panelsWithoutLoad, 1);
    ASSERT_EQ(level.cases.size(), 1u);
    EXPECT_DOUBLE_EQ(level.cases[0].load, 100);
    EXPECT_EQ(level.cases[0].panelsUnloaded, 1);
}

// Floor loads before any header carry the empty case; cases with headers but no floor loads
// (wind, say) have no column.
TEST_F(TwoPanels, CasesWithoutHeadersFollowThoseWithAndCasesWithoutFloorLoadsAreLeftOut) {
    frame.builder.loadCase("3", "WIND").loadCase("1", "DEAD");
    frame.builder.floorLoad("", 2, 2.9f, 3.1f, 0, 10, 0, 4);
    frame.builder.floorLoad("1", 4, 2.9f, 3.1f, 0, 10, 0, 4);
    const ListingDocument document = frame.builder.build();
    EXPECT_EQ(floorLoadCases(document), (std::vector<CaseNumber>{"1", ""}));
    EXPECT_DOUBLE_EQ(levelTotals(document, 2).cases[1].load, 2 * 20 * 2);
}

TEST_F(TwoPanels, TheLowestLevelHasNoPanels) {
    frame.builder.floorLoad("1", 5, -1, 10, 0, 10, 0, 4);
    const LevelTotals level = levelTotals(frame.builder.build(), 1);
    EXPECT_EQ(level.panels, 0);
    EXPECT_DOUBLE_EQ(level.cases[0].load, 0);
}

// The bundled sample, by hand. Every floor is 24 m by 16 m (X lines 0, 6, 12, 18, 24; Z lines
// 0, 5, 10.5, 16 m; a secondary beam at X 9 m splits one bay) with a 6 m by 1.8 m balcony at
// X 18-24, Z 16-17.8 on levels 2 to 6; the roof (level 7) has none. The stair opening leaves
// the X 0-6 bay without its beam along Z 10.5 on levels 2 to 6, so one panel runs from Z 5 to
// 16 m there.
//
// Dead (case 1), levels 2-6: 4.5 x 384 m² + 3.5 x 10.8 m² = 1728 + 37.8 = 1765.8 kN;
//   roof: 5.5 x 384 (short form: the whole plan) = 2112 kN.
// Live (case 2), levels 2-5: bands Z 0-5 at 3, 5-10.5 at 4, 10.5-16 at 3 kN/m², each 24 m
//   wide, and the balcony at 5: 360 + 528 + 396 + 54 = 1338 kN, less the stair panel (6 m x
//   11 m) that no band covers whole: 4 x 33 + 3 x 33 = 231 kN, so 1107 kN on 12 of 13 panels.
//   Level 6: 5 over the whole plan, balcony included, and the balcony's own 5 again:
//   5 x 394.8 + 5 x 10.8 = 2028 kN. Roof: 1.5 x 384 = 576 kN.
TEST(LevelTotalsOfTheSample, MatchTheHandCalculation) {
    const std::string sample = "samples/office-block.anl";
    testing::RecordingSink sink;
    const ListingDocument document = openListing(sample, sink);
    ASSERT_EQ(document.levelCount(), 7);
    struct Expected {
        int level;
        double dead;
        double live;
        int liveLoaded;
    };
    const Expected expected[] = {{2, 1765.8, 1107, 12}, {3, 1765.8, 1107, 12},
                                 {4, 1765.8, 1107, 12}, {5, 1765.8, 1107, 12},
                                 {6, 1765.8, 2028, 13}, {7, 2112, 576, 13}};
    for (const Expected& e : expected) {
        const LevelTotals level = levelTotals(document, e.level);
        SCOPED_TRACE("level " + std::to_string(e.level));
        EXPECT_EQ(level.panels, 13);
        EXPECT_EQ(level.panelsWithoutLoad, 0);
        ASSERT_EQ(level.cases.size(), 2u);
        EXPECT_EQ(level.cases[0].caseNumber, "1");
        EXPECT_NEAR(level.cases[0].load, e.dead, 1e-6);
        EXPECT_EQ(level.cases[0].panelsLoaded, 13);
        EXPECT_EQ(level.cases[1].caseNumber, "2");
        EXPECT_NEAR(level.cases[1].load, e.live, 1e-6);
        EXPECT_EQ(level.cases[1].panelsLoaded, e.liveLoaded);
    }
}

}  // namespace
}  // namespace fp

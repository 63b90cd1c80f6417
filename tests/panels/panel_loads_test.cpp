// Tests of the floor loads found acting on one panel: ranges, tolerance, order and limits.
#include "panels/panel_loads.h"

#include <gtest/gtest.h>

#include <string>

#include "model/listing_error.h"
#include "support/document_builder.h"

namespace fp {
namespace {

// X lines at 0, 5 and 10 m, Z lines at 0, 4 and 10 m, levels at 0, 3 and 93.6 m.
class PanelLoadsTest : public ::testing::Test {
  protected:
    PanelLoadsTest() { builder.gridLines({0, 500, 1000}, {0, 300, 9360}, {0, 400, 1000}); }

    // Ranges in metres.
    void addFloorLoad(const char* caseNumber, float intensity, float y1, float y2, float x1,
                      float x2, float z1, float z2) {
        builder.floorLoad(caseNumber, intensity, y1, y2, x1, x2, z1, z2);
    }

    PanelLoads loadsOn(int level, const SlabPanel& panel) {
        return panelLoads(builder.build(), level, panel);
    }

    // The panel from X 0 to 5 m and Z 0 to 4 m.
    PanelLoads firstPanel(int level = 2) { return loadsOn(level, SlabPanel{1, 1, 2, 2}); }

    testing::DocumentBuilder builder;
};

TEST_F(PanelLoadsTest, ListsTheActingRowsInTableOrderWithTheSpans) {
    addFloorLoad("1", 5.0f, 0, 10, 0, 10, 0, 10);
    addFloorLoad("2", 3.5f, 0, 10, 5, 10, 0, 10);
    addFloorLoad("3", 2.0f, 0, 10, 0, 5, 0, 4);
    addFloorLoad("4", 5.0f, 0, 10, 0, 5, 0, 4);
    const PanelLoads loads = firstPanel();
    ASSERT_EQ(loads.loads.size(), 3u);
    EXPECT_EQ(loads.loads[0].intensity, 5.0f);
    EXPECT_EQ(loads.loads[0].caseNumber, "1");
    EXPECT_EQ(loads.loads[1].intensity, 2.0f);
    EXPECT_EQ(loads.loads[1].caseNumber, "3");
    EXPECT_EQ(loads.loads[2].intensity, 5.0f);
    EXPECT_EQ(loads.loads[2].caseNumber, "4");
    EXPECT_EQ(loads.spanX, 500.0f);
    EXPECT_EQ(loads.spanZ, 400.0f);

    const PanelLoads far = loadsOn(2, SlabPanel{2, 2, 3, 3});
    ASSERT_EQ(far.loads.size(), 2u);
    EXPECT_EQ(far.loads[1].caseNumber, "2");
    EXPECT_EQ(far.spanX, 500.0f);
    EXPECT_EQ(far.spanZ, 600.0f);
}

TEST_F(PanelLoadsTest, APanelWithoutLoadsHasNoSpans) {
    addFloorLoad("1", 5.0f, 0, 10, 5, 10, 0, 10);
    const PanelLoads loads = firstPanel();
    EXPECT_TRUE(loads.loads.empty());
    EXPECT_EQ(loads.spanX, 0.0f);
    EXPECT_EQ(loads.spanZ, 0.0f);
}

TEST_F(PanelLoadsTest, ARangeMayStopUpToATenthOfAMetreShortOfAnEdge) {
    addFloorLoad("in X", 1, 0, 10, 0.05f, 4.95f, 0, 4);
    addFloorLoad("in Z", 2, 0, 10, 0, 5, 0.05f, 3.95f);
    addFloorLoad("short X start", 3, 0, 10, 0.15f, 5, 0, 4);
    addFloorLoad("short X end", 4, 0, 10, 0, 4.85f, 0, 4);
    addFloorLoad("short Z start", 5, 0, 10, 0, 5, 0.15f, 4);
    addFloorLoad("short Z end", 6, 0, 10, 0, 5, 0, 3.85f);
    const PanelLoads loads = firstPanel();
    ASSERT_EQ(loads.loads.size(), 2u);
    EXPECT_EQ(loads.loads[0].caseNumber, "in X");
    EXPECT_EQ(loads.loads[1].caseNumber, "in Z");
}

TEST_F(PanelLoadsTest, TheFarEdgesCompareAtDifferentPrecisions) {
    // Both ranges end at 9.9 m, exactly the tolerance short of the 10 m edge. As a 32-bit real
    // 9.9 is a little less than 9.9: the far Z edge, held in 32 bits too, still meets it; the
    // far X edge, held in 64 bits, does not.
    addFloorLoad("X to 9.9", 1, 0, 10, 0, 9.9f, 0, 10);
    addFloorLoad("Z to 9.9", 2, 0, 10, 0, 10, 0, 9.9f);
    const PanelLoads loads = loadsOn(2, SlabPanel{2, 2, 3, 3});
    ASSERT_EQ(loads.loads.size(), 1u);
    EXPECT_EQ(loads.loads[0].caseNumber, "Z to 9.9");
}

TEST_F(PanelLoadsTest, AYRangeEndingAtTheLevelAsWrittenInTheListingReachesIt) {
    addFloorLoad("up to", 1, 90, 93.6f, 0, 10, 0, 10);
    addFloorLoad("from", 2, 93.6f, 100, 0, 10, 0, 10);
    addFloorLoad("below", 3, 0, 93.59f, 0, 10, 0, 10);
    const PanelLoads loads = firstPanel(3);
    ASSERT_EQ(loads.loads.size(), 2u);
    EXPECT_EQ(loads.loads[0].caseNumber, "up to");
    EXPECT_EQ(loads.loads[1].caseNumber, "from");
}

TEST_F(PanelLoadsTest, AYRangeWrittenUpsideDownReachesNoLevel) {
    addFloorLoad("1", 1, 100, 0, 0, 10, 0, 10);
    for (int level = 1; level <= 3; ++level) {
        EXPECT_TRUE(firstPanel(level).loads.empty()) << "level " << level;
    }
}

TEST_F(PanelLoadsTest, APanelHoldsTenLoadsAndAnEleventhEndsTheDrawing) {
    for (int n = 1; n <= 10; ++n) {
        addFloorLoad("1", static_cast<float>(n), 0, 100, 0, 10, 0, 10);
    }
    EXPECT_EQ(firstPanel(3).loads.size(), 10u);
    EXPECT_EQ(firstPanel(3).loads[9].intensity, 10.0f);

    addFloorLoad("2", 11, 0, 100, 0, 10, 0, 10);
    try {
        firstPanel(3);
        FAIL() << "no error for 11 loads on one panel";
    } catch (const ListingError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("level at 93.6 m"), std::string::npos) << message;
        EXPECT_NE(message.find("X 0 to 5 m, Z 0 to 4 m"), std::string::npos) << message;
        EXPECT_NE(message.find("10"), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace fp

// Tests of the floor loads found acting on one panel: ranges, tolerance, order and limits.
#include <gtest/gtest.h>

#include <string>

#include "grid/grid_derivation.h"
#include "panels/level_frame.h"
#include "panels/panel_loads.h"

namespace fp {
namespace {

using testing::addFloorLoad;

// X lines at 0, 5 and 10 m, Z lines at 0, 4 and 10 m, levels at 0, 3 and 93.6 m.
class PanelLoads : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int16_t x : {0, 500, 1000}) {
            AddGridValue(model->GridX, x);
        }
        for (int16_t y : {0, 300, 9360}) {
            AddGridValue(model->GridY, y);
        }
        for (int16_t z : {0, 400, 1000}) {
            AddGridValue(model->GridZ, z);
        }
    }

    // The panel from X 0 to 5 m and Z 0 to 4 m.
    PanelLoadRecord firstPanel(int16_t level = 2) {
        return GetPanelLoads(*model, level, 1, 1, 2, 2);
    }

    std::unique_ptr<ModelStore> model = makeModelStore();
};

TEST_F(PanelLoads, ListsTheActingRowsInTableOrderWithTheSpans) {
    addFloorLoad(*model, "1", 5.0f, 0, 10, 0, 10, 0, 10);
    addFloorLoad(*model, "2", 3.5f, 0, 10, 5, 10, 0, 10);
    addFloorLoad(*model, "3", 2.0f, 0, 10, 0, 5, 0, 4);
    addFloorLoad(*model, "4", 5.0f, 0, 10, 0, 5, 0, 4);
    const PanelLoadRecord loads = firstPanel();
    ASSERT_EQ(loads.LoadCount, 3);
    EXPECT_EQ(loads.Intensity[1], 5.0f);
    EXPECT_EQ(loads.CaseTitle[1], "1");
    EXPECT_EQ(loads.Intensity[2], 2.0f);
    EXPECT_EQ(loads.CaseTitle[2], "3");
    EXPECT_EQ(loads.Intensity[3], 5.0f);
    EXPECT_EQ(loads.CaseTitle[3], "4");
    EXPECT_EQ(loads.SpanX, 500.0f);
    EXPECT_EQ(loads.SpanZ, 400.0f);

    const PanelLoadRecord far = GetPanelLoads(*model, 2, 2, 2, 3, 3);
    ASSERT_EQ(far.LoadCount, 2);
    EXPECT_EQ(far.CaseTitle[2], "2");
    EXPECT_EQ(far.SpanX, 500.0f);
    EXPECT_EQ(far.SpanZ, 600.0f);
}

TEST_F(PanelLoads, APanelWithoutLoadsHasNoSpans) {
    addFloorLoad(*model, "1", 5.0f, 0, 10, 5, 10, 0, 10);
    const PanelLoadRecord loads = firstPanel();
    EXPECT_EQ(loads.LoadCount, 0);
    EXPECT_EQ(loads.SpanX, 0.0f);
    EXPECT_EQ(loads.SpanZ, 0.0f);
}

TEST_F(PanelLoads, ARangeMayStopUpToATenthOfAMetreShortOfAnEdge) {
    addFloorLoad(*model, "in X", 1, 0, 10, 0.05f, 4.95f, 0, 4);
    addFloorLoad(*model, "in Z", 2, 0, 10, 0, 5, 0.05f, 3.95f);
    addFloorLoad(*model, "short X start", 3, 0, 10, 0.15f, 5, 0, 4);
    addFloorLoad(*model, "short X end", 4, 0, 10, 0, 4.85f, 0, 4);
    addFloorLoad(*model, "short Z start", 5, 0, 10, 0, 5, 0.15f, 4);
    addFloorLoad(*model, "short Z end", 6, 0, 10, 0, 5, 0, 3.85f);
    const PanelLoadRecord loads = firstPanel();
    ASSERT_EQ(loads.LoadCount, 2);
    EXPECT_EQ(loads.CaseTitle[1], "in X");
    EXPECT_EQ(loads.CaseTitle[2], "in Z");
}

TEST_F(PanelLoads, TheFarEdgesCompareAtDifferentPrecisions) {
    // Both ranges end at 9.9 m, exactly the tolerance short of the 10 m edge. As a 32-bit real
    // 9.9 is a little less than 9.9: the far Z edge, held in 32 bits too, still meets it; the
    // far X edge, held in 64 bits, does not.
    addFloorLoad(*model, "X to 9.9", 1, 0, 10, 0, 9.9f, 0, 10);
    addFloorLoad(*model, "Z to 9.9", 2, 0, 10, 0, 10, 0, 9.9f);
    const PanelLoadRecord loads = GetPanelLoads(*model, 2, 2, 2, 3, 3);
    ASSERT_EQ(loads.LoadCount, 1);
    EXPECT_EQ(loads.CaseTitle[1], "Z to 9.9");
}

TEST_F(PanelLoads, AYRangeEndingAtTheLevelAsWrittenInTheListingReachesIt) {
    addFloorLoad(*model, "up to", 1, 90, 93.6f, 0, 10, 0, 10);
    addFloorLoad(*model, "from", 2, 93.6f, 100, 0, 10, 0, 10);
    addFloorLoad(*model, "below", 3, 0, 93.59f, 0, 10, 0, 10);
    const PanelLoadRecord loads = firstPanel(3);
    ASSERT_EQ(loads.LoadCount, 2);
    EXPECT_EQ(loads.CaseTitle[1], "up to");
    EXPECT_EQ(loads.CaseTitle[2], "from");
}

TEST_F(PanelLoads, AYRangeWrittenUpsideDownReachesNoLevel) {
    addFloorLoad(*model, "1", 1, 100, 0, 0, 10, 0, 10);
    for (int16_t level = 1; level <= 3; ++level) {
        EXPECT_EQ(firstPanel(level).LoadCount, 0) << "level " << level;
    }
}

TEST_F(PanelLoads, APanelHoldsTenLoadsAndAnEleventhEndsTheRun) {
    for (int n = 1; n <= 10; ++n) {
        addFloorLoad(*model, "1", static_cast<float>(n), 0, 100, 0, 10, 0, 10);
    }
    EXPECT_EQ(firstPanel(3).LoadCount, 10);
    EXPECT_EQ(firstPanel(3).Intensity[10], 10.0f);

    addFloorLoad(*model, "2", 11, 0, 100, 0, 10, 0, 10);
    try {
        firstPanel(3);
        FAIL() << "no error for 11 loads on one panel";
    } catch (const RunEndingError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("level at 93.6 m"), std::string::npos) << message;
        EXPECT_NE(message.find("X 0 to 5 m, Z 0 to 4 m"), std::string::npos) << message;
        EXPECT_NE(message.find("10"), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace fp

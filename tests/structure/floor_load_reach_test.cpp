// Tests of how far a floor load reaches over a panel, and of the loads found acting on a level's
// panels: ranges, the 0.1 m reach, order and limits.
#include "structure/floor_load_reach.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/document_builder.h"

namespace fp {
namespace {

FloorLoad loadOver(float y1, float y2, float x1, float x2, float z1, float z2) {
    FloorLoad load;
    load.intensity = 1;
    load.y1 = y1;
    load.y2 = y2;
    load.x1 = x1;
    load.x2 = x2;
    load.z1 = z1;
    load.z2 = z2;
    return load;
}

TEST(PanelReach, ALoadActsWhenItsRangesCoverThePanelButForATenthOfAMetre) {
    // The panel from X 0 to 5 m, Z 0 to 4 m, or X 5 to 10 m, Z 4 to 10 m, on a level at 3 m.
    const PanelBounds near{0, 0, 500, 400};
    const PanelBounds far{500, 400, 1000, 1000};
    const struct {
        const char* what;
        PanelBounds panel;
        FloorLoad load;
        bool acts;
    } cases[] = {
        {"whole", near, loadOver(0, 10, 0, 10, 0, 10), true},
        {"short in X by 0.05", near, loadOver(0, 10, 0.05f, 4.95f, 0, 4), true},
        {"short in Z by 0.05", near, loadOver(0, 10, 0, 5, 0.05f, 3.95f), true},
        {"short X start", near, loadOver(0, 10, 0.15f, 5, 0, 4), false},
        {"short X end", near, loadOver(0, 10, 0, 4.85f, 0, 4), false},
        {"short Z start", near, loadOver(0, 10, 0, 5, 0.15f, 4), false},
        {"short Z end", near, loadOver(0, 10, 0, 5, 0, 3.85f), false},
        // 9.9 is a little less than 9.9 as a 32-bit real: the far Z edge, held in 32 bits too,
        // still meets it; the far X edge, held in 64 bits, does not.
        {"X to 9.9", far, loadOver(0, 10, 0, 9.9f, 0, 10), false},
        {"Z to 9.9", far, loadOver(0, 10, 0, 10, 0, 9.9f), true},
        {"Y range below", near, loadOver(0, 2.99f, 0, 10, 0, 10), false},
        {"Y range upside down", near, loadOver(10, 0, 0, 10, 0, 10), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PanelReach(300, c.panel).acts(c.load), c.acts) << c.what;
    }
}

TEST(PanelReach, AYRangeEndingAtTheLevelAsWrittenReachesIt) {
    const PanelBounds panel{0, 0, 500, 400};
    EXPECT_TRUE(PanelReach(9360, panel).acts(loadOver(90, 93.6f, 0, 10, 0, 10)));
    EXPECT_TRUE(PanelReach(9360, panel).acts(loadOver(93.6f, 100, 0, 10, 0, 10)));
    EXPECT_FALSE(PanelReach(9360, panel).acts(loadOver(0, 93.59f, 0, 10, 0, 10)));
}

TEST(CoveredArea, ACoverWithinTheReachIsNoCover) {
    const PanelBounds panel{0, 0, 500, 400};
    const struct {
        const char* what;
        FloorLoad load;
        double area;
    } cases[] = {
        {"half in X", loadOver(0, 10, 0, 2.5f, 0, 4), 10.0},
        {"into it by 0.1 m only", loadOver(0, 10, 4.9f, 10, 0, 4), 0.0},
        {"beside it", loadOver(0, 10, 5, 10, 0, 4), 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(coveredArea(c.load, panel), c.area, 1e-5) << c.what;
    }
}

// One bay of 5 by 4 m on a level at 3 m, with floor loads over it.
class BayLoads : public ::testing::Test {
  protected:
    BayLoads() : frame(2, 2) { frame.allNeighbourBeams(); }

    const LevelModel& level() {
        document = frame.builder.build();
        return document.level(2);
    }

    testing::LevelFrame frame;
    ListingDocument document;
};

TEST_F(BayLoads, TheActingLoadsComeInTheListingsOrder) {
    frame.builder.floorLoad("1", 5, 0, 10, 0, 10, 0, 10, 11);
    frame.builder.floorLoad("2", 3.5f, 0, 10, 5, 10, 0, 10, 12);
    frame.builder.floorLoad("3", 2, 0, 10, 0, 5, 0, 4, 13);
    const LevelModel& loaded = level();
    ASSERT_EQ(loaded.panels.size(), 1u);
    const std::vector<ActingLoad>& loads = loaded.panels[0].loads;
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[0].caseNumber, "1");
    EXPECT_EQ(loads[0].line, 11);
    EXPECT_EQ(loads[1].caseNumber, "3");
    EXPECT_EQ(loads[1].line, 13);
}

TEST_F(BayLoads, APanelHoldsTenLoadsAndAnEleventhStopsTheLevelNamingThePanel) {
    for (int n = 1; n <= 10; ++n) {
        frame.builder.floorLoad("1", static_cast<float>(n), 0, 100, 0, 10, 0, 10);
    }
    EXPECT_EQ(level().panels.at(0).loads.size(), 10u);

    frame.builder.floorLoad("2", 11, 0, 100, 0, 10, 0, 10);
    const LevelModel& over = level();
    ASSERT_TRUE(over.panelsError) << "no error for 11 loads on one panel";
    const std::string message = over.panelsError->what();
    EXPECT_NE(message.find("level at 3 m"), std::string::npos) << message;
    EXPECT_NE(message.find("X 0\u20135 m, Z 0\u20134 m"), std::string::npos) << message;
    EXPECT_NE(message.find("10"), std::string::npos) << message;
    EXPECT_TRUE(over.panels.empty());
}

}  // namespace
}  // namespace fp

// Tests of the panel scan: which rectangles of a level count as slab panels, and in what order.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "panels/level_frame.h"
#include "panels/panel_scan.h"

namespace fp {
namespace {

using Panel = std::array<int, 4>;
using testing::LevelFrame;

std::vector<Panel> scan(ModelStore& model, int16_t level) {
    std::vector<Panel> found;
    FindPanels(model, level, [&](int16_t ix, int16_t iz, int16_t ix2, int16_t iz2) {
        // The panel is in the table by the time the action runs.
        EXPECT_EQ(model.PanelTable.at(model.PanelCount, 1), ix);
        found.push_back({ix, iz, ix2, iz2});
    });
    EXPECT_EQ(model.PanelCount, static_cast<int16_t>(found.size()));
    for (std::size_t i = 0; i < found.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        EXPECT_EQ((Panel{model.PanelTable.at(row, 1), model.PanelTable.at(row, 2),
                         model.PanelTable.at(row, 3), model.PanelTable.at(row, 4)}),
                  found[i]);
    }
    return found;
}

TEST(FindPanels, ThreeByTwoLinesGiveTwoPanelsInScanOrder) {
    auto model = makeModelStore();
    LevelFrame frame(*model, 3, 2);
    frame.allNeighbourBeams();
    frame.derive();
    EXPECT_EQ(scan(*model, 2), (std::vector<Panel>{{1, 1, 2, 2}, {2, 1, 3, 2}}));
}

TEST(FindPanels, WalksEachXLineBeforeTheNext) {
    auto model = makeModelStore();
    LevelFrame frame(*model, 3, 3);
    frame.allNeighbourBeams();
    frame.derive();
    EXPECT_EQ(scan(*model, 2),
              (std::vector<Panel>{{1, 1, 2, 2}, {2, 1, 3, 2}, {1, 2, 2, 3}, {2, 2, 3, 3}}));
}

// Two Z lines of three joints each, with beams along both and across the two ends.
class Bay : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int ix = 1; ix <= 2; ++ix) {
            frame.beamZ(ix, 1, 2);
            frame.beamZ(ix, 2, 3);
        }
        frame.beamX(1, 1, 2);
        frame.beamX(1, 3, 2);
    }
    std::unique_ptr<ModelStore> model = makeModelStore();
    LevelFrame frame{*model, 2, 3};
};

TEST_F(Bay, WithoutACrossBeamIsOnePanel) {
    frame.derive();
    EXPECT_EQ(scan(*model, 2), (std::vector<Panel>{{1, 1, 2, 3}}));
}

TEST_F(Bay, ABeamAcrossItSplitsItIntoTwoPanels) {
    frame.beamX(1, 2, 2);
    frame.derive();
    EXPECT_EQ(scan(*model, 2), (std::vector<Panel>{{1, 1, 2, 2}, {1, 2, 2, 3}}));
}

TEST(FindPanels, ABayMissingPartOfItsFarSideIsNoPanelAndTheScanGoesOn) {
    // Bays 1-2 and 2-3 along X, two Z lines deep. Z line 2 lacks its beam from z line 2 to 3;
    // only bay 2-3 has a beam across at z line 2.
    auto model = makeModelStore();
    LevelFrame frame(*model, 3, 3);
    for (int ix = 1; ix <= 3; ++ix) {
        frame.beamZ(ix, 1, 2);
        if (ix != 2) {
            frame.beamZ(ix, 2, 3);
        }
    }
    for (int iz : {1, 3}) {
        frame.beamX(1, iz, 2);
        frame.beamX(2, iz, 3);
    }
    frame.beamX(2, 2, 3);
    frame.derive();
    EXPECT_EQ(scan(*model, 2), (std::vector<Panel>{{2, 1, 3, 2}}));
}

TEST(FindPanels, TheNearZSideIsTestedAtItsCornersOnly) {
    // Z line 1 lacks its beam between z lines 2 and 3; its corners still close the panel.
    auto model = makeModelStore();
    LevelFrame frame(*model, 2, 4);
    frame.beamZ(1, 1, 2);
    frame.beamZ(1, 3, 4);
    for (int iz = 1; iz < 4; ++iz) {
        frame.beamZ(2, iz, iz + 1);
    }
    frame.beamX(1, 1, 2);
    frame.beamX(1, 4, 2);
    frame.derive();
    EXPECT_EQ(scan(*model, 2), (std::vector<Panel>{{1, 1, 2, 4}}));
}

TEST(FindPanels, AGapInTheNearXSideEndsTheWalkThere) {
    // X line 1 lacks its beam between X lines 2 and 3; Z beams only on X lines 1 and 4.
    auto model = makeModelStore();
    LevelFrame frame(*model, 4, 2);
    for (int ix = 1; ix < 4; ++ix) {
        if (ix != 2) {
            frame.beamX(ix, 1, ix + 1);
        }
        frame.beamX(ix, 2, ix + 1);
    }
    frame.beamZ(1, 1, 2);
    frame.beamZ(4, 1, 2);
    frame.derive();
    EXPECT_TRUE(scan(*model, 2).empty());
}

TEST(FindPanels, AGapInTheFarSideEndsTheWalkThere) {
    // Z line 2 lacks its beam between z lines 2 and 3, though it goes on to z line 4.
    auto model = makeModelStore();
    LevelFrame frame(*model, 2, 4);
    for (int iz = 1; iz < 4; ++iz) {
        frame.beamZ(1, iz, iz + 1);
        if (iz != 2) {
            frame.beamZ(2, iz, iz + 1);
        }
    }
    frame.beamX(1, 1, 2);
    frame.beamX(1, 4, 2);
    frame.derive();
    EXPECT_TRUE(scan(*model, 2).empty());
}

TEST(FindPanels, TheNearSideMustReachTheFarCorner) {
    // Z line 1 ends at z line 2, so (1, 3) has no beam arriving from -Z.
    auto model = makeModelStore();
    LevelFrame frame(*model, 2, 3);
    frame.beamZ(1, 1, 2);
    frame.beamZ(2, 1, 2);
    frame.beamZ(2, 2, 3);
    frame.beamX(1, 1, 2);
    frame.beamX(1, 3, 2);
    frame.derive();
    EXPECT_TRUE(scan(*model, 2).empty());
}

TEST(FindPanels, ABeamAcrossPartOfAWideBayDoesNotSplitIt) {
    // Three X lines; z line 2 has a beam from X line 2 to 3 only, and X line 2 no Z beams.
    auto model = makeModelStore();
    LevelFrame frame(*model, 3, 3);
    for (int ix : {1, 3}) {
        frame.beamZ(ix, 1, 2);
        frame.beamZ(ix, 2, 3);
    }
    for (int iz : {1, 3}) {
        frame.beamX(1, iz, 2);
        frame.beamX(2, iz, 3);
    }
    frame.beamX(2, 2, 3);
    frame.derive();
    EXPECT_EQ(scan(*model, 2), (std::vector<Panel>{{1, 1, 3, 3}}));
}

TEST(FindPanels, APanelOverGridLinesWithoutJointsSkipsThem) {
    // Level 2 has joints on X lines 1 and 3 only; X line 2 exists through a level 1 joint.
    auto model = makeModelStore();
    testing::addJoint(*model, 1, 500, 0, 0);
    testing::addJoint(*model, 2, 0, 300, 0);
    testing::addJoint(*model, 3, 1000, 300, 0);
    testing::addJoint(*model, 4, 0, 300, 400);
    testing::addJoint(*model, 5, 1000, 300, 400);
    testing::addMember(*model, 1, 2, 3);
    testing::addMember(*model, 2, 4, 5);
    testing::addMember(*model, 3, 2, 4);
    testing::addMember(*model, 4, 3, 5);
    BuildGrid(*model);
    DeriveFrames(*model);
    EXPECT_EQ(scan(*model, 2), (std::vector<Panel>{{1, 1, 3, 2}}));
}

TEST(FindPanels, TheLowestLevelHasNoPanels) {
    auto model = makeModelStore();
    LevelFrame frame(*model, 3, 2);
    frame.allNeighbourBeams(1);
    frame.allNeighbourBeams(2);
    frame.derive();
    EXPECT_TRUE(scan(*model, 1).empty());
    EXPECT_EQ(scan(*model, 2).size(), 2u);
}

TEST(FindPanels, ASingleLineOnEitherAxisHasNoPanels) {
    for (const auto& [nX, nZ] : {std::pair{1, 3}, std::pair{3, 1}, std::pair{1, 1}}) {
        auto model = makeModelStore();
        LevelFrame frame(*model, nX, nZ);
        frame.allNeighbourBeams();
        frame.derive();
        EXPECT_TRUE(scan(*model, 2).empty()) << nX << " x " << nZ;
    }
}

TEST(FindPanels, EachScanStartsAnEmptyTable) {
    auto model = makeModelStore();
    LevelFrame frame(*model, 3, 2);
    frame.allNeighbourBeams();
    frame.derive();
    scan(*model, 2);
    EXPECT_EQ(scan(*model, 2).size(), 2u);
    scan(*model, 1);
    EXPECT_EQ(model->PanelCount, 0);
}

TEST(FindPanels, AFullAxisOfAHundredLinesEndsAtItsLastLine) {
    auto model = makeModelStore();
    LevelFrame frame(*model, 100, 2, 100, 100);
    frame.allNeighbourBeams();
    frame.derive();
    const auto panels = scan(*model, 2);
    ASSERT_EQ(panels.size(), 99u);
    EXPECT_EQ(panels.back(), (Panel{99, 1, 100, 2}));
}

TEST(FindPanels, ALevelHoldsTwoHundredPanels) {
    auto model = makeModelStore();
    LevelFrame frame(*model, 21, 11, 100, 100);
    frame.allNeighbourBeams();
    frame.derive();
    EXPECT_EQ(scan(*model, 2).size(), 200u);
}

TEST(FindPanels, A201stPanelEndsTheRunNamingTheLevel) {
    auto model = makeModelStore();
    LevelFrame frame(*model, 21, 12, 100, 100);
    frame.allNeighbourBeams();
    frame.derive();
    int handled = 0;
    try {
        FindPanels(*model, 2, [&](int16_t, int16_t, int16_t, int16_t) { ++handled; });
        FAIL() << "no error for 220 panels";
    } catch (const RunEndingError& error) {
        EXPECT_NE(std::string(error.what()).find("level at 3 m"), std::string::npos)
            << error.what();
        EXPECT_NE(std::string(error.what()).find("200"), std::string::npos) << error.what();
    }
    EXPECT_EQ(handled, 200);
    EXPECT_EQ(model->PanelCount, 200);
}

}  // namespace
}  // namespace fp

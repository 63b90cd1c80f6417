// Tests of the panel scan: which rectangles of a level count as slab panels, and in what order.
#include "structure/panel_scan.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "model/listing_error.h"
#include "support/document_builder.h"

namespace fp {
namespace {

// A panel as (ix, iz, ix2, iz2).
using Corners = std::array<int, 4>;
using testing::LevelFrame;

std::vector<Corners> scan(const ListingDocument& document, int level) {
    std::vector<Corners> found;
    const LevelModel& model = document.level(level);
    model.requirePanels();
    for (const LevelPanel& panel : model.panels) {
        found.push_back({panel.lines.ix, panel.lines.iz, panel.lines.ix2, panel.lines.iz2});
    }
    return found;
}

std::vector<Corners> scan(const LevelFrame& frame, int level) {
    return scan(frame.builder.build(), level);
}

TEST(FindPanels, ThreeByTwoLinesGiveTwoPanelsInScanOrder) {
    LevelFrame frame(3, 2);
    frame.allNeighbourBeams();
    EXPECT_EQ(scan(frame, 2), (std::vector<Corners>{{1, 1, 2, 2}, {2, 1, 3, 2}}));
}

TEST(FindPanels, WalksEachXLineBeforeTheNext) {
    LevelFrame frame(3, 3);
    frame.allNeighbourBeams();
    EXPECT_EQ(scan(frame, 2),
              (std::vector<Corners>{{1, 1, 2, 2}, {2, 1, 3, 2}, {1, 2, 2, 3}, {2, 2, 3, 3}}));
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
    LevelFrame frame{2, 3};
};

TEST_F(Bay, WithoutACrossBeamIsOnePanel) {
    EXPECT_EQ(scan(frame, 2), (std::vector<Corners>{{1, 1, 2, 3}}));
}

TEST_F(Bay, ABeamAcrossItSplitsItIntoTwoPanels) {
    frame.beamX(1, 2, 2);
    EXPECT_EQ(scan(frame, 2), (std::vector<Corners>{{1, 1, 2, 2}, {1, 2, 2, 3}}));
}

TEST(FindPanels, ABayMissingPartOfItsFarSideIsNoPanelAndTheScanGoesOn) {
    // Bays 1-2 and 2-3 along X, two Z lines deep. Z line 2 lacks its beam from z line 2 to 3;
    // only bay 2-3 has a beam across at z line 2.
    LevelFrame frame(3, 3);
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
    EXPECT_EQ(scan(frame, 2), (std::vector<Corners>{{2, 1, 3, 2}}));
}

TEST(FindPanels, TheNearZSideIsTestedAtItsCornersOnly) {
    // Z line 1 lacks its beam between z lines 2 and 3; its corners still close the panel.
    LevelFrame frame(2, 4);
    frame.beamZ(1, 1, 2);
    frame.beamZ(1, 3, 4);
    for (int iz = 1; iz < 4; ++iz) {
        frame.beamZ(2, iz, iz + 1);
    }
    frame.beamX(1, 1, 2);
    frame.beamX(1, 4, 2);
    EXPECT_EQ(scan(frame, 2), (std::vector<Corners>{{1, 1, 2, 4}}));
}

TEST(FindPanels, AGapInTheNearXSideEndsTheWalkThere) {
    // X line 1 lacks its beam between X lines 2 and 3; Z beams only on X lines 1 and 4.
    LevelFrame frame(4, 2);
    for (int ix = 1; ix < 4; ++ix) {
        if (ix != 2) {
            frame.beamX(ix, 1, ix + 1);
        }
        frame.beamX(ix, 2, ix + 1);
    }
    frame.beamZ(1, 1, 2);
    frame.beamZ(4, 1, 2);
    EXPECT_TRUE(scan(frame, 2).empty());
}

TEST(FindPanels, AGapInTheFarSideEndsTheWalkThere) {
    // Z line 2 lacks its beam between z lines 2 and 3, though it goes on to z line 4.
    LevelFrame frame(2, 4);
    for (int iz = 1; iz < 4; ++iz) {
        frame.beamZ(1, iz, iz + 1);
        if (iz != 2) {
            frame.beamZ(2, iz, iz + 1);
        }
    }
    frame.beamX(1, 1, 2);
    frame.beamX(1, 4, 2);
    EXPECT_TRUE(scan(frame, 2).empty());
}

TEST(FindPanels, TheNearSideMustReachTheFarCorner) {
    // Z line 1 ends at z line 2, so (1, 3) has no beam arriving from -Z.
    LevelFrame frame(2, 3);
    frame.beamZ(1, 1, 2);
    frame.beamZ(2, 1, 2);
    frame.beamZ(2, 2, 3);
    frame.beamX(1, 1, 2);
    frame.beamX(1, 3, 2);
    EXPECT_TRUE(scan(frame, 2).empty());
}

TEST(FindPanels, ABeamAcrossPartOfAWideBayDoesNotSplitIt) {
    // Three X lines; z line 2 has a beam from X line 2 to 3 only, and X line 2 no Z beams.
    LevelFrame frame(3, 3);
    for (int ix : {1, 3}) {
        frame.beamZ(ix, 1, 2);
        frame.beamZ(ix, 2, 3);
    }
    for (int iz : {1, 3}) {
        frame.beamX(1, iz, 2);
        frame.beamX(2, iz, 3);
    }
    frame.beamX(2, 2, 3);
    EXPECT_EQ(scan(frame, 2), (std::vector<Corners>{{1, 1, 3, 3}}));
}

TEST(FindPanels, APanelOverGridLinesWithoutJointsSkipsThem) {
    // Level 2 has joints on X lines 1 and 3 only; X line 2 exists through a level 1 joint.
    testing::DocumentBuilder builder;
    builder.joint(1, 500, 0, 0)
        .joint(2, 0, 300, 0)
        .joint(3, 1000, 300, 0)
        .joint(4, 0, 300, 400)
        .joint(5, 1000, 300, 400)
        .member(1, 2, 3)
        .member(2, 4, 5)
        .member(3, 2, 4)
        .member(4, 3, 5);
    EXPECT_EQ(scan(builder.build(), 2), (std::vector<Corners>{{1, 1, 3, 2}}));
}

TEST(FindPanels, TheLowestLevelHasNoPanels) {
    LevelFrame frame(3, 2);
    frame.allNeighbourBeams(1);
    frame.allNeighbourBeams(2);
    EXPECT_TRUE(scan(frame, 1).empty());
    EXPECT_EQ(scan(frame, 2).size(), 2u);
}

TEST(FindPanels, ASingleLineOnEitherAxisHasNoPanels) {
    for (const auto& [nX, nZ] : {std::pair{1, 3}, std::pair{3, 1}, std::pair{1, 1}}) {
        LevelFrame frame(nX, nZ);
        frame.allNeighbourBeams();
        EXPECT_TRUE(scan(frame, 2).empty()) << nX << " x " << nZ;
    }
}

TEST(FindPanels, EachScanStartsAfresh) {
    LevelFrame frame(3, 2);
    frame.allNeighbourBeams();
    const ListingDocument document = frame.builder.build();
    EXPECT_EQ(scan(document, 2).size(), 2u);
    EXPECT_EQ(scan(document, 2).size(), 2u);
    EXPECT_TRUE(scan(document, 1).empty());
}

TEST(FindPanels, AFullAxisOfAHundredLinesEndsAtItsLastLine) {
    LevelFrame frame(100, 2, 100, 100);
    frame.allNeighbourBeams();
    const auto panels = scan(frame, 2);
    ASSERT_EQ(panels.size(), 99u);
    EXPECT_EQ(panels.back(), (Corners{99, 1, 100, 2}));
}

TEST(FindPanels, ALevelHoldsTwoHundredPanels) {
    LevelFrame frame(21, 11, 100, 100);
    frame.allNeighbourBeams();
    EXPECT_EQ(scan(frame, 2).size(), 200u);
}

TEST(FindPanels, A201stPanelStopsTheLevelNamingIt) {
    LevelFrame frame(21, 12, 100, 100);
    frame.allNeighbourBeams();
    const ListingDocument document = frame.builder.build();
    const LevelModel& level = document.level(2);
    ASSERT_TRUE(level.panelsError) << "no error for 220 panels";
    const std::string message = level.panelsError->what();
    EXPECT_NE(message.find("level at 3 m"), std::string::npos) << message;
    EXPECT_NE(message.find("200"), std::string::npos) << message;
    EXPECT_TRUE(level.panels.empty()) << "no part of a level past its limit is used";
    EXPECT_EQ(level.limitError()->what(), message);
}

}  // namespace
}  // namespace fp

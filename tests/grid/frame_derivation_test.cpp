// Tests of the framing of each level: which members are beams and the panel-edge flags they set.
#include <gtest/gtest.h>

#include "grid/grid_derivation.h"
#include "grid/model_builder.h"

namespace fp {
namespace {

using testing::addDesignRow;
using testing::addJoint;
using testing::addMember;

struct Flags {
    bool minusZ, plusZ, plusX, minusX;
    bool operator==(const Flags&) const = default;
};

Flags flagsAt(const ModelStore& model, int ix, int iy, int iz) {
    const PanelEdges& edges = model.PanelEdgeGrid.at(ix, iy, iz);
    return {edges.MinusZ == kTrue, edges.PlusZ == kTrue, edges.PlusX == kTrue,
            edges.MinusX == kTrue};
}

constexpr Flags kNone{false, false, false, false};

std::ostream& operator<<(std::ostream& out, const Flags& flags) {
    return out << "{-Z " << flags.minusZ << ", +Z " << flags.plusZ << ", +X " << flags.plusX
               << ", -X " << flags.minusX << "}";
}

void derive(ModelStore& model) {
    BuildGrid(model);
    DeriveFrames(model);
}

TEST(FindMemberByEnds, IsOrientationSensitiveAndTakesTheFirstMatch) {
    auto model = makeModelStore();
    addMember(*model, 7, 1, 2);
    addMember(*model, 8, 2, 3);
    addMember(*model, 9, 1, 2);
    EXPECT_EQ(FindMemberByEnds(*model, 1, 2), 7);
    EXPECT_EQ(FindMemberByEnds(*model, 2, 1), 0);
    EXPECT_EQ(FindMemberByEnds(*model, 2, 3), 8);
    EXPECT_EQ(FindMemberByEnds(*model, 1, 3), 0);
}

TEST(FindDesignRow, TakesTheFirstRowOfAMember) {
    auto model = makeModelStore();
    addDesignRow(*model, 12, 4000);
    addDesignRow(*model, 100001, 4500);
    addDesignRow(*model, 12, 3000);
    EXPECT_EQ(FindDesignRow(*model, 12), 1);
    EXPECT_EQ(FindDesignRow(*model, 100001), 2);
    EXPECT_EQ(FindDesignRow(*model, 13), 0);
}

// Level 2 (y = 300) of X lines 1..5 at z = 0 and z = 1000; joints at z = 0 only on lines 2 and 5.
class BeamOverEmptyGridPoints : public ::testing::Test {
  protected:
    void SetUp() override {
        addJoint(*model, 1, 100, 0, 1000);
        addJoint(*model, 2, 200, 300, 0);
        addJoint(*model, 3, 500, 300, 0);
        addJoint(*model, 4, 100, 300, 1000);
        addJoint(*model, 5, 300, 300, 1000);
        addJoint(*model, 6, 400, 300, 1000);
        addJoint(*model, 7, 500, 300, 1000);
    }
    std::unique_ptr<ModelStore> model = makeModelStore();
};

TEST_F(BeamOverEmptyGridPoints, SetsBothXFlagsAtThePointsBetween) {
    addMember(*model, 40, 2, 3);
    const int16_t row = addDesignRow(*model, 40, 3000);
    derive(*model);

    EXPECT_EQ(model->XBeamGrid.at(2, 2, 1), row);
    EXPECT_EQ(flagsAt(*model, 1, 2, 1), kNone);
    EXPECT_EQ(flagsAt(*model, 2, 2, 1), (Flags{false, false, true, false}));
    EXPECT_EQ(flagsAt(*model, 3, 2, 1), (Flags{false, false, true, true}));
    EXPECT_EQ(flagsAt(*model, 4, 2, 1), (Flags{false, false, true, true}));
    EXPECT_EQ(flagsAt(*model, 5, 2, 1), (Flags{false, false, false, true}));
    for (int ix = 1; ix <= 5; ++ix) {
        EXPECT_EQ(flagsAt(*model, ix, 2, 2), kNone) << "ix " << ix;
        EXPECT_EQ(model->ZBeamGrid.at(ix, 2, 1), 0);
    }
}

TEST_F(BeamOverEmptyGridPoints, AMemberWithoutDesignRowKeepsItsFlags) {
    addMember(*model, 40, 2, 3);
    addDesignRow(*model, 41, 3000);
    derive(*model);

    EXPECT_EQ(model->XBeamGrid.at(2, 2, 1), 0);
    EXPECT_EQ(flagsAt(*model, 2, 2, 1), (Flags{false, false, true, false}));
    EXPECT_EQ(flagsAt(*model, 3, 2, 1), (Flags{false, false, true, true}));
    EXPECT_EQ(flagsAt(*model, 5, 2, 1), (Flags{false, false, false, true}));
}

TEST_F(BeamOverEmptyGridPoints, AMemberStoredFromItsFarJointIsNoBeam) {
    addMember(*model, 40, 3, 2);
    addDesignRow(*model, 40, 3000);
    derive(*model);
    EXPECT_EQ(model->XBeamGrid.at(2, 2, 1), 0);
    for (int ix = 1; ix <= 5; ++ix) {
        EXPECT_EQ(flagsAt(*model, ix, 2, 1), kNone) << "ix " << ix;
    }
}

TEST(DeriveFrames, AZBeamOverEmptyGridPointsSetsBothZFlags) {
    auto model = makeModelStore();
    addJoint(*model, 1, 0, 300, 0);
    addJoint(*model, 2, 0, 300, 900);
    addJoint(*model, 3, 500, 300, 300);
    addJoint(*model, 4, 500, 300, 600);
    addJoint(*model, 5, 0, 0, 0);
    addMember(*model, 11, 1, 2);
    const int16_t row = addDesignRow(*model, 11, 9000);
    derive(*model);

    EXPECT_EQ(model->ZBeamGrid.at(1, 2, 1), row);
    EXPECT_EQ(model->XBeamGrid.at(1, 2, 1), 0);
    EXPECT_EQ(flagsAt(*model, 1, 2, 1), (Flags{false, true, false, false}));
    EXPECT_EQ(flagsAt(*model, 1, 2, 2), (Flags{true, true, false, false}));
    EXPECT_EQ(flagsAt(*model, 1, 2, 3), (Flags{true, true, false, false}));
    EXPECT_EQ(flagsAt(*model, 1, 2, 4), (Flags{true, false, false, false}));
    EXPECT_EQ(flagsAt(*model, 2, 2, 2), kNone);
}

TEST(DeriveFrames, TheLowestLevelNeverGetsBeamsOrFlags) {
    auto model = makeModelStore();
    addJoint(*model, 1, 0, 0, 0);
    addJoint(*model, 2, 500, 0, 0);
    addJoint(*model, 3, 0, 0, 400);
    addJoint(*model, 4, 0, 300, 0);
    addJoint(*model, 5, 500, 300, 0);
    addMember(*model, 1, 1, 2);
    addMember(*model, 2, 1, 3);
    addMember(*model, 3, 4, 5);
    addDesignRow(*model, 1, 5000);
    addDesignRow(*model, 2, 4000);
    addDesignRow(*model, 3, 5000);
    derive(*model);

    for (int ix = 1; ix <= 2; ++ix) {
        for (int iz = 1; iz <= 2; ++iz) {
            EXPECT_EQ(model->XBeamGrid.at(ix, 1, iz), 0);
            EXPECT_EQ(model->ZBeamGrid.at(ix, 1, iz), 0);
            EXPECT_EQ(flagsAt(*model, ix, 1, iz), kNone);
        }
    }
    EXPECT_EQ(model->XBeamGrid.at(1, 2, 1), 3);
}

TEST(DeriveFrames, TheFirstMemberAndTheFirstDesignRowWin) {
    auto model = makeModelStore();
    addJoint(*model, 1, 0, 0, 0);
    addJoint(*model, 2, 0, 300, 0);
    addJoint(*model, 3, 500, 300, 0);
    addJoint(*model, 4, 0, 300, 400);
    addMember(*model, 10, 2, 3);
    addMember(*model, 20, 2, 3);
    addMember(*model, 30, 2, 4);
    addDesignRow(*model, 20, 5000);
    const int16_t firstOf10 = addDesignRow(*model, 10, 5000);
    addDesignRow(*model, 10, 5000);
    addDesignRow(*model, 30, 4000);
    const int16_t secondOf30 = addDesignRow(*model, 30, 4000);
    derive(*model);

    EXPECT_EQ(model->XBeamGrid.at(1, 2, 1), firstOf10);
    EXPECT_EQ(model->ZBeamGrid.at(1, 2, 1), secondOf30 - 1);
}

TEST(DeriveFrames, MembersAboveThe16BitRangeAreBeams) {
    auto model = makeModelStore();
    addJoint(*model, 1, 0, 0, 0);
    addJoint(*model, 2, 0, 300, 0);
    addJoint(*model, 3, 500, 300, 0);
    addMember(*model, 100001, 2, 3);
    const int16_t row = addDesignRow(*model, 100001, 5000);
    addDesignRow(*model, 100001 - 65536, 5000);
    derive(*model);
    EXPECT_EQ(model->XBeamGrid.at(1, 2, 1), row);
}

TEST(DeriveFrames, AMemberPassingOverAJointOfTheLineIsNoBeam) {
    auto model = makeModelStore();
    addJoint(*model, 1, 0, 0, 0);
    addJoint(*model, 2, 0, 300, 0);
    addJoint(*model, 3, 500, 300, 0);
    addJoint(*model, 4, 1000, 300, 0);
    addMember(*model, 1, 2, 4);
    addDesignRow(*model, 1, 10000);
    derive(*model);
    for (int ix = 1; ix <= 3; ++ix) {
        EXPECT_EQ(model->XBeamGrid.at(ix, 2, 1), 0);
        EXPECT_EQ(flagsAt(*model, ix, 2, 1), kNone) << "ix " << ix;
    }
}

TEST(DeriveFrames, ColumnsInclinedMembersAndALoneJointLeaveNoTrace) {
    auto model = makeModelStore();
    addJoint(*model, 1, 0, 0, 0);
    addJoint(*model, 2, 0, 300, 0);
    addJoint(*model, 3, 500, 300, 400);
    addJoint(*model, 4, 500, 600, 400);
    addMember(*model, 1, 1, 2);
    addMember(*model, 2, 2, 3);
    addMember(*model, 3, 3, 4);
    for (int32_t member = 1; member <= 3; ++member) {
        addDesignRow(*model, member, 3000);
    }
    derive(*model);
    for (int ix = 1; ix <= 2; ++ix) {
        for (int iy = 1; iy <= 3; ++iy) {
            for (int iz = 1; iz <= 2; ++iz) {
                EXPECT_EQ(model->XBeamGrid.at(ix, iy, iz), 0);
                EXPECT_EQ(model->ZBeamGrid.at(ix, iy, iz), 0);
                EXPECT_EQ(flagsAt(*model, ix, iy, iz), kNone);
            }
        }
    }
}

TEST(DeriveFrames, AJointOnTheLastLineOfAFullAxisHasNoNeighbour) {
    // 100 X lines at z = 0, and from the last of them 100 Z lines: an L of beams on level 2.
    auto model = makeModelStore();
    addJoint(*model, 1, 0, 0, 0);
    for (int line = 1; line <= 100; ++line) {
        addJoint(*model, static_cast<int16_t>(100 + line), static_cast<int16_t>(100 * line - 100),
                 300, 0);
    }
    for (int line = 2; line <= 100; ++line) {
        addJoint(*model, static_cast<int16_t>(300 + line), 9900, 300,
                 static_cast<int16_t>(100 * line - 100));
    }
    for (int line = 1; line < 100; ++line) {
        addMember(*model, 1000 + line, static_cast<int16_t>(100 + line),
                  static_cast<int16_t>(101 + line));
        addMember(*model, 2000 + line, static_cast<int16_t>(line == 1 ? 200 : 300 + line),
                  static_cast<int16_t>(301 + line));
    }
    derive(*model);

    ASSERT_EQ(model->GridX.count(), 100);
    ASSERT_EQ(model->GridZ.count(), 100);
    EXPECT_EQ(flagsAt(*model, 99, 2, 1), (Flags{false, false, true, true}));
    EXPECT_EQ(flagsAt(*model, 100, 2, 1), (Flags{false, true, false, true}));
    EXPECT_EQ(flagsAt(*model, 100, 2, 99), (Flags{true, true, false, false}));
    EXPECT_EQ(flagsAt(*model, 100, 2, 100), (Flags{true, false, false, false}));
    EXPECT_EQ(flagsAt(*model, 1, 2, 100), kNone);
}

}  // namespace
}  // namespace fp

// Tests of the framing of each level: which members are beams and the panel-edge flags they set.
#include "structure/level_framing.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/document_builder.h"

namespace fp {
namespace {

using testing::DocumentBuilder;

struct Flags {
    bool minusZ, plusZ, plusX, minusX;
    bool operator==(const Flags&) const = default;
};

LevelFraming framingOf(const ListingDocument& document, int level) {
    return frameLevel(document.grid, level, MemberJoins(document.members, document.designRows));
}

Flags flagsAt(const ListingDocument& document, int ix, int iy, int iz) {
    const BeamEdges edges = framingOf(document, iy).edgesAt(ix, iz);
    return {edges.minusZ, edges.plusZ, edges.plusX, edges.minusX};
}

// The design row of the member the framing joins from (ix, iz) along `direction`; 0 for none.
DesignRowNumber beamAt(const ListingDocument& document, BeamDirection direction, int ix, int iy,
                       int iz) {
    for (const FramedMember& framed : framingOf(document, iy).members) {
        if (framed.direction == direction && framed.ix == ix && framed.iz == iz) {
            return framed.designRow;
        }
    }
    return 0;
}

constexpr Flags kNone{false, false, false, false};

std::ostream& operator<<(std::ostream& out, const Flags& flags) {
    return out << "{-Z " << flags.minusZ << ", +Z " << flags.plusZ << ", +X " << flags.plusX
               << ", -X " << flags.minusX << "}";
}

DesignRowNumber xBeamAt(const ListingDocument& document, int ix, int iy, int iz) {
    return beamAt(document, BeamDirection::PlusX, ix, iy, iz);
}

DesignRowNumber zBeamAt(const ListingDocument& document, int ix, int iy, int iz) {
    return beamAt(document, BeamDirection::PlusZ, ix, iy, iz);
}

// Joints 1, 2 and 3 along X on level 2, and one on level 1.
DocumentBuilder threeJointsAlongX() {
    DocumentBuilder builder;
    builder.joint(10, 0, 0, 0).joint(1, 0, 300, 0).joint(2, 500, 300, 0).joint(3, 1000, 300, 0);
    return builder;
}

TEST(DeriveFrames, TheBeamIsTheFirstMemberFromItsStartJointToItsEndJoint) {
    DocumentBuilder builder = threeJointsAlongX();
    builder.member(9, 2, 1).member(7, 1, 2).member(8, 2, 3).member(6, 1, 2).member(5, 1, 3);
    builder.designRow(9, 1000);
    builder.designRow(6, 1000);
    builder.designRow(5, 1000);
    const DesignRowNumber rowOf7 = builder.designRow(7, 5000);
    const DesignRowNumber rowOf8 = builder.designRow(8, 5000);
    const ListingDocument document = builder.build();

    EXPECT_EQ(xBeamAt(document, 1, 2, 1), rowOf7) << "not 9, stored from its far joint";
    EXPECT_EQ(xBeamAt(document, 2, 2, 1), rowOf8);
    EXPECT_EQ(xBeamAt(document, 3, 2, 1), 0);
}

TEST(DeriveFrames, TheBeamTakesTheFirstDesignRowOfItsMember) {
    DocumentBuilder builder = threeJointsAlongX();
    builder.member(12, 1, 2).member(100001, 2, 3);
    const DesignRowNumber firstOf12 = builder.designRow(12, 4000);
    const DesignRowNumber onlyOf100001 = builder.designRow(100001, 4500);
    builder.designRow(12, 3000);
    const ListingDocument document = builder.build();
    EXPECT_EQ(xBeamAt(document, 1, 2, 1), firstOf12);
    EXPECT_EQ(xBeamAt(document, 2, 2, 1), onlyOf100001);
    EXPECT_EQ(document.designRow(xBeamAt(document, 1, 2, 1)).lengthMm, 4000);
}

// Level 2 (y = 300) of X lines 1..5 at z = 0 and z = 1000; joints at z = 0 only on lines 2 and 5.
class BeamOverEmptyGridPoints : public ::testing::Test {
  protected:
    void SetUp() override {
        builder.joint(1, 100, 0, 1000)
            .joint(2, 200, 300, 0)
            .joint(3, 500, 300, 0)
            .joint(4, 100, 300, 1000)
            .joint(5, 300, 300, 1000)
            .joint(6, 400, 300, 1000)
            .joint(7, 500, 300, 1000);
    }
    DocumentBuilder builder;
};

TEST_F(BeamOverEmptyGridPoints, SetsBothXFlagsAtThePointsBetween) {
    builder.member(40, 2, 3);
    const DesignRowNumber row = builder.designRow(40, 3000);
    const ListingDocument document = builder.build();

    EXPECT_EQ(xBeamAt(document, 2, 2, 1), row);
    EXPECT_EQ(flagsAt(document, 1, 2, 1), kNone);
    EXPECT_EQ(flagsAt(document, 2, 2, 1), (Flags{false, false, true, false}));
    EXPECT_EQ(flagsAt(document, 3, 2, 1), (Flags{false, false, true, true}));
    EXPECT_EQ(flagsAt(document, 4, 2, 1), (Flags{false, false, true, true}));
    EXPECT_EQ(flagsAt(document, 5, 2, 1), (Flags{false, false, false, true}));
    for (int ix = 1; ix <= 5; ++ix) {
        EXPECT_EQ(flagsAt(document, ix, 2, 2), kNone) << "ix " << ix;
        EXPECT_EQ(zBeamAt(document, ix, 2, 1), 0);
    }
}

TEST_F(BeamOverEmptyGridPoints, AMemberWithoutDesignRowKeepsItsFlags) {
    builder.member(40, 2, 3);
    builder.designRow(41, 3000);
    const ListingDocument document = builder.build();

    EXPECT_EQ(xBeamAt(document, 2, 2, 1), 0);
    EXPECT_EQ(flagsAt(document, 2, 2, 1), (Flags{false, false, true, false}));
    EXPECT_EQ(flagsAt(document, 3, 2, 1), (Flags{false, false, true, true}));
    EXPECT_EQ(flagsAt(document, 5, 2, 1), (Flags{false, false, false, true}));
}

TEST_F(BeamOverEmptyGridPoints, AMemberStoredFromItsFarJointIsNoBeam) {
    builder.member(40, 3, 2);
    builder.designRow(40, 3000);
    const ListingDocument document = builder.build();
    EXPECT_EQ(xBeamAt(document, 2, 2, 1), 0);
    for (int ix = 1; ix <= 5; ++ix) {
        EXPECT_EQ(flagsAt(document, ix, 2, 1), kNone) << "ix " << ix;
    }
}

TEST(DeriveFrames, AZBeamOverEmptyGridPointsSetsBothZFlags) {
    DocumentBuilder builder;
    builder.joint(1, 0, 300, 0)
        .joint(2, 0, 300, 900)
        .joint(3, 500, 300, 300)
        .joint(4, 500, 300, 600)
        .joint(5, 0, 0, 0)
        .member(11, 1, 2);
    const DesignRowNumber row = builder.designRow(11, 9000);
    const ListingDocument document = builder.build();

    EXPECT_EQ(zBeamAt(document, 1, 2, 1), row);
    EXPECT_EQ(xBeamAt(document, 1, 2, 1), 0);
    EXPECT_EQ(flagsAt(document, 1, 2, 1), (Flags{false, true, false, false}));
    EXPECT_EQ(flagsAt(document, 1, 2, 2), (Flags{true, true, false, false}));
    EXPECT_EQ(flagsAt(document, 1, 2, 3), (Flags{true, true, false, false}));
    EXPECT_EQ(flagsAt(document, 1, 2, 4), (Flags{true, false, false, false}));
    EXPECT_EQ(flagsAt(document, 2, 2, 2), kNone);
}

TEST(DeriveFrames, TheLowestLevelNeverGetsBeamsOrFlags) {
    DocumentBuilder builder;
    builder.joint(1, 0, 0, 0)
        .joint(2, 500, 0, 0)
        .joint(3, 0, 0, 400)
        .joint(4, 0, 300, 0)
        .joint(5, 500, 300, 0)
        .member(1, 1, 2)
        .member(2, 1, 3)
        .member(3, 4, 5);
    builder.designRow(1, 5000);
    builder.designRow(2, 4000);
    builder.designRow(3, 5000);
    const ListingDocument document = builder.build();

    for (int ix = 1; ix <= 2; ++ix) {
        for (int iz = 1; iz <= 2; ++iz) {
            EXPECT_EQ(xBeamAt(document, ix, 1, iz), 0);
            EXPECT_EQ(zBeamAt(document, ix, 1, iz), 0);
            EXPECT_EQ(flagsAt(document, ix, 1, iz), kNone);
        }
    }
    EXPECT_EQ(xBeamAt(document, 1, 2, 1), 3);
}

TEST(DeriveFrames, TheFirstMemberAndTheFirstDesignRowWin) {
    DocumentBuilder builder;
    builder.joint(1, 0, 0, 0)
        .joint(2, 0, 300, 0)
        .joint(3, 500, 300, 0)
        .joint(4, 0, 300, 400)
        .member(10, 2, 3)
        .member(20, 2, 3)
        .member(30, 2, 4);
    builder.designRow(20, 5000);
    const DesignRowNumber firstOf10 = builder.designRow(10, 5000);
    builder.designRow(10, 5000);
    const DesignRowNumber firstOf30 = builder.designRow(30, 4000);
    builder.designRow(30, 4000);
    const ListingDocument document = builder.build();

    EXPECT_EQ(xBeamAt(document, 1, 2, 1), firstOf10);
    EXPECT_EQ(zBeamAt(document, 1, 2, 1), firstOf30);
}

TEST(DeriveFrames, MembersAboveThe16BitRangeAreBeams) {
    DocumentBuilder builder;
    builder.joint(1, 0, 0, 0).joint(2, 0, 300, 0).joint(3, 500, 300, 0).member(100001, 2, 3);
    const DesignRowNumber row = builder.designRow(100001, 5000);
    builder.designRow(100001 - 65536, 5000);
    EXPECT_EQ(xBeamAt(builder.build(), 1, 2, 1), row);
}

TEST(DeriveFrames, AMemberPassingOverAJointOfTheLineIsNoBeam) {
    DocumentBuilder builder;
    builder.joint(1, 0, 0, 0)
        .joint(2, 0, 300, 0)
        .joint(3, 500, 300, 0)
        .joint(4, 1000, 300, 0)
        .member(1, 2, 4);
    builder.designRow(1, 10000);
    const ListingDocument document = builder.build();
    for (int ix = 1; ix <= 3; ++ix) {
        EXPECT_EQ(xBeamAt(document, ix, 2, 1), 0);
        EXPECT_EQ(flagsAt(document, ix, 2, 1), kNone) << "ix " << ix;
    }
}

TEST(DeriveFrames, ColumnsInclinedMembersAndALoneJointLeaveNoTrace) {
    DocumentBuilder builder;
    builder.joint(1, 0, 0, 0)
        .joint(2, 0, 300, 0)
        .joint(3, 500, 300, 400)
        .joint(4, 500, 600, 400)
        .member(1, 1, 2)
        .member(2, 2, 3)
        .member(3, 3, 4);
    for (int32_t member = 1; member <= 3; ++member) {
        builder.designRow(member, 3000);
    }
    const ListingDocument document = builder.build();
    for (int ix = 1; ix <= 2; ++ix) {
        for (int iy = 1; iy <= 3; ++iy) {
            for (int iz = 1; iz <= 2; ++iz) {
                EXPECT_EQ(xBeamAt(document, ix, iy, iz), 0);
                EXPECT_EQ(zBeamAt(document, ix, iy, iz), 0);
                EXPECT_EQ(flagsAt(document, ix, iy, iz), kNone);
            }
        }
    }
}

TEST(DeriveFrames, AJointOnTheLastLineOfAFullAxisHasNoNeighbour) {
    // 100 X lines at z = 0, and from the last of them 100 Z lines: an L of beams on level 2.
    DocumentBuilder builder;
    builder.joint(1, 0, 0, 0);
    for (int line = 1; line <= 100; ++line) {
        builder.joint(static_cast<int16_t>(100 + line), static_cast<int16_t>(100 * line - 100), 300,
                      0);
    }
    for (int line = 2; line <= 100; ++line) {
        builder.joint(static_cast<int16_t>(300 + line), 9900, 300,
                      static_cast<int16_t>(100 * line - 100));
    }
    for (int line = 1; line < 100; ++line) {
        builder.member(1000 + line, 100 + line, 101 + line);
        builder.member(2000 + line, line == 1 ? 200 : 300 + line, 301 + line);
    }
    const ListingDocument document = builder.build();

    ASSERT_EQ(document.grid.x.count(), 100);
    ASSERT_EQ(document.grid.z.count(), 100);
    EXPECT_EQ(flagsAt(document, 99, 2, 1), (Flags{false, false, true, true}));
    EXPECT_EQ(flagsAt(document, 100, 2, 1), (Flags{false, true, false, true}));
    EXPECT_EQ(flagsAt(document, 100, 2, 99), (Flags{true, true, false, false}));
    EXPECT_EQ(flagsAt(document, 100, 2, 100), (Flags{true, false, false, false}));
    EXPECT_EQ(flagsAt(document, 1, 2, 100), kNone);
}

}  // namespace
}  // namespace fp

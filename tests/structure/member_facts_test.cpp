// What a member is to the plans, by the one rule every command asks: its shape from its joints
// (the first of a number), its level, and whether a level's framing joins it.
#include "structure/member_facts.h"

#include <gtest/gtest.h>

#include "support/document_builder.h"

namespace fp {
namespace {

// Joints on two levels (0 and 3 m) along X at 0, 5 and 10 m, one more off the line, and a joint
// number written twice: members of every kind between them, each designed.
ListingDocument everyKindOfMember() {
    testing::DocumentBuilder builder;
    builder.joint(1, 0, 0, 0).joint(2, 500, 0, 0);
    builder.joint(11, 0, 300, 0).joint(12, 500, 300, 0).joint(13, 1000, 300, 0);
    builder.joint(14, 500, 300, 400).joint(15, 1000, 300, 400);
    // Written again far away: the first of the number stands.
    builder.joint(12, 2000, 300, 2000);
    builder
        .member(1, 11, 12)   // along X on level 2, between neighbours
        .member(2, 11, 13)   // along X, over joint 12
        .member(3, 12, 14)   // along Z on level 2
        .member(4, 1, 11)    // a column
        .member(5, 1, 2)     // along X on the lowest level
        .member(6, 12, 15)   // inclined in plan
        .member(7, 11, 99)   // to a joint the listing lacks
        .member(8, 13, 15);  // along Z, without a design block
    for (int32_t member = 1; member <= 7; ++member) {
        builder.designRow(member, 5000);
    }
    return builder.build();
}

TEST(MemberFacts, EachMemberHasOneShapeLevelAndPlaceOnThePlans) {
    const ListingDocument document = everyKindOfMember();
    const struct {
        int32_t member;
        MemberShape shape;
        int level;
        bool passesOverJoint;
        bool onPlan;
        bool drawn;
    } cases[] = {
        {1, MemberShape::BeamAlongX, 2, false, true, true},
        {2, MemberShape::BeamAlongX, 2, true, false, false},
        {3, MemberShape::BeamAlongZ, 2, false, true, true},
        {4, MemberShape::Column, 0, false, false, false},
        {5, MemberShape::BeamAlongX, 1, false, false, false},
        {6, MemberShape::Other, 2, false, false, false},
        {7, MemberShape::Unjoined, 0, false, false, false},
        {8, MemberShape::BeamAlongZ, 2, false, true, false},
        {9, MemberShape::Missing, 0, false, false, false},
    };
    for (const auto& c : cases) {
        const MemberFacts facts = document.member(c.member);
        EXPECT_EQ(facts.shape, c.shape) << "member " << c.member;
        EXPECT_EQ(facts.level, c.level) << "member " << c.member;
        EXPECT_EQ(facts.passesOverJoint, c.passesOverJoint) << "member " << c.member;
        EXPECT_EQ(facts.onPlan, c.onPlan) << "member " << c.member;
        EXPECT_EQ(facts.drawn(), c.drawn) << "member " << c.member;
    }
}

// The plans, the columns and the member facts take the first joint of a number, as the reader
// does when it orients members: the second joint 12 makes no grid line and no beam.
TEST(MemberFacts, AJointNumberWrittenTwiceIsTheFirstEverywhere) {
    const ListingDocument document = everyKindOfMember();
    EXPECT_EQ(document.joint(12)->x, 500);
    EXPECT_EQ(document.grid.x.lineOf(2000), 0);
    EXPECT_EQ(document.member(1).end.x, 500);
    std::vector<int32_t> drawn;
    for (const LevelBeam& beam : document.level(2).beams) {
        drawn.push_back(beam.member);
        EXPECT_EQ(document.member(beam.member).drawn(), true);
    }
    EXPECT_EQ(drawn, (std::vector<int32_t>{1, 3}));
    ASSERT_EQ(document.level(2).columns.size(), 1u);
    EXPECT_EQ(document.level(2).columns[0].member, 4);
}

TEST(MemberFacts, AShapeDoesNotDependOnTheOrderOfTheJoints) {
    const Joint a{1, 0, 300, 0};
    for (const auto& [b, shape] : {std::pair{Joint{2, 500, 300, 0}, MemberShape::BeamAlongX},
                                   std::pair{Joint{2, 0, 300, 400}, MemberShape::BeamAlongZ},
                                   std::pair{Joint{2, 0, 600, 0}, MemberShape::Column},
                                   std::pair{Joint{2, 0, 300, 0}, MemberShape::Other},
                                   std::pair{Joint{2, 500, 600, 0}, MemberShape::Other}}) {
        EXPECT_EQ(shapeOf(a, b), shape);
        EXPECT_EQ(shapeOf(b, a), shape);
    }
}

// A member misses its line by a little when one end is off the other's line by under half a
// metre and under a quarter of its run; farther off it is meant to be inclined.
TEST(MemberFacts, ALineIsMissedByALittleOnlyAcrossTheRunOfABeamOrAColumn) {
    const Joint a{1, 0, 300, 0};
    const struct {
        Joint b;
        int acrossX;
        int acrossZ;
    } cases[] = {
        {{2, 600, 300, 3}, 0, 3},    // along X, 3 cm off
        {{2, 600, 300, 49}, 0, 49},  // along X, just under half a metre off
        {{2, 600, 300, 50}, 0, 0},   // half a metre: meant
        {{2, 30, 300, 500}, 30, 0},  // along Z
        {{2, 150, 300, 500}, 0, 0},  // a third of its run: meant
        {{2, 600, 300, 0}, 0, 0},    // on its line
        {{2, 20, 600, 30}, 20, 30},  // a column off plumb both ways
        {{2, 0, 600, 40}, 0, 40},    // a column off plumb across Z
        {{2, 0, 320, 10}, 0, 0},     // too short for its lean
        {{2, 600, 600, 10}, 0, 0},   // inclined in elevation
        {{2, 0, 300, 0}, 0, 0},      // of no length
    };
    for (const auto& c : cases) {
        for (const auto& [from, to] : {std::pair{a, c.b}, std::pair{c.b, a}}) {
            const LineMiss miss = lineMissOf(from, to);
            EXPECT_EQ(miss.acrossX, c.acrossX) << c.b.x << " " << c.b.y << " " << c.b.z;
            EXPECT_EQ(miss.acrossZ, c.acrossZ) << c.b.x << " " << c.b.y << " " << c.b.z;
        }
    }
}

}  // namespace
}  // namespace fp

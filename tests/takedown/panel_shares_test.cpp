// A slab panel's load on the beams round it, against shares worked out by hand: the 45° rule's
// triangles and trapezoids, the one-way split, and a side made of two beams.
#include <gtest/gtest.h>

#include "support/frame_listing.h"

namespace fp {
namespace {

using testing::FrameListing;

struct BayCase {
    const char* what;
    double spanX;
    double spanZ;
    double intensity;
    double oneWayRatio;
    // kN on each beam along X and along Z, and the greatest kN/m on each.
    double alongX;
    double alongZ;
    double peakX;
    double peakZ;
};

const BeamTakedown& beamOf(const Takedown& takedown, int level, long member) {
    const BeamTakedown* beam = takedown.level(level)->beam(static_cast<int32_t>(member));
    EXPECT_NE(beam, nullptr) << member;
    return *beam;
}

TEST(PanelShares, FollowThe45DegreeRuleOrTheOneWaySplit) {
    const BayCase cases[] = {
        // Triangles of 4 m base and 2 m height on the short sides, trapezoids on the long.
        {"6 x 4 m two-way", 6, 4, 5, 2, 40, 20, 10, 10},
        {"4 x 6 m two-way, long in Z", 4, 6, 5, 2, 20, 40, 10, 10},
        {"4 x 4 m square: four triangles", 4, 4, 5, 2, 20, 20, 10, 10},
        // One-way: half of 180 kN to each long side, nothing to the short ones.
        {"9 x 4 m one-way", 9, 4, 5, 2, 90, 0, 10, 0},
        {"8 x 4 m: twice the short span is one-way already", 8, 4, 5, 2, 80, 0, 10, 0},
        {"4 x 9 m one-way, long in Z", 4, 9, 5, 2, 0, 90, 0, 10},
        // With a ratio of 3, 9 x 4 m is two-way: 5 * 4 * (2 * 9 - 4) / 4 on the long sides.
        {"9 x 4 m two-way at a ratio of 3", 9, 4, 5, 3, 70, 20, 10, 10},
    };
    for (const BayCase& c : cases) {
        FrameListing frame;
        const auto [lowZ, highZ, lowX, highX] = frame.bay(3, 0, 0, c.spanX, c.spanZ);
        frame.text.floorLoad(2.9, 3.1, c.intensity);
        const ListingDocument document = testing::readFrame(frame.text);
        const Takedown takedown = takeDown(document, {c.oneWayRatio});
        const LoadChoice dead{LoadChoice::Kind::Case, 0};
        const LevelTakedown& level = *takedown.level(2);
        for (const long member : {lowZ, highZ, lowX, highX}) {
            const BeamTakedown& beam = beamOf(takedown, 2, member);
            const LoadProfile profile = slabProfile(level, beam, takedown.cases, dead);
            const double expected = beam.alongX ? c.alongX : c.alongZ;
            EXPECT_NEAR(profile.total(), expected, 1e-9) << c.what << ", beam " << member;
            EXPECT_NEAR(profile.peak(), beam.alongX ? c.peakX : c.peakZ, 1e-9) << c.what;
            // Symmetric about its middle: half at each end.
            EXPECT_NEAR(beam.startReaction.byCase().at(0), expected / 2, 1e-9) << c.what;
            EXPECT_NEAR(beam.endReaction.byCase().at(0), expected / 2, 1e-9) << c.what;
        }
        // Each corner column takes half of one beam of each direction.
        for (const double x : {0.0, c.spanX}) {
            for (const double z : {0.0, c.spanZ}) {
                EXPECT_NEAR(testing::columnLoad(document, takedown, 3, x, z),
                            (c.alongX + c.alongZ) / 2, 1e-9)
                    << c.what << " at " << x << ", " << z;
            }
        }
    }
}

TEST(PanelShares, ASideOfTwoBeamsGivesEachThePartAlongIt) {
    // The side at Z 0 is two beams, 0-2 m and 2-6 m, meeting at a joint with no column.
    FrameListing frame;
    const long first = frame.beam(3, 0, 0, 2, 0);
    const long second = frame.beam(3, 2, 0, 6, 0);
    frame.beam(3, 0, 4, 6, 4);
    frame.beam(3, 0, 0, 0, 4);
    frame.beam(3, 6, 0, 6, 4);
    for (const double x : {0.0, 6.0}) {
        for (const double z : {0.0, 4.0}) {
            frame.column(x, z, 0, 3);
        }
    }
    frame.text.floorLoad(2.9, 3.1, 5);
    const ListingDocument document = testing::readFrame(frame.text);
    const Takedown takedown = takeDown(document);
    const LoadChoice dead{LoadChoice::Kind::Case, 0};
    const LevelTakedown& level = *takedown.level(2);
    // The trapezoid rises to 10 kN/m over the first 2 m: 10 kN on the first beam, 30 on the
    // second.
    EXPECT_NEAR(slabProfile(level, beamOf(takedown, 2, first), takedown.cases, dead).total(), 10,
                1e-9);
    EXPECT_NEAR(slabProfile(level, beamOf(takedown, 2, second), takedown.cases, dead).total(), 30,
                1e-9);
    // The joint between them passes its load to the corners by the lever rule: the columns carry
    // what they carry under the undivided side, 30 kN each.
    for (const double x : {0.0, 6.0}) {
        for (const double z : {0.0, 4.0}) {
            EXPECT_NEAR(testing::columnLoad(document, takedown, 3, x, z), 30, 1e-9) << x << z;
        }
    }
    EXPECT_TRUE(takedown.unsupported.empty());
}

}  // namespace
}  // namespace fp

// For every load case, the loads that reach the bases (or stay unsupported) are the loads put on
// the floors and beams: on listings of every shape the generator writes, and on the sample.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "panels/level_totals.h"
#include "support/frame_listing.h"
#include "support/generated_listings.h"

// Built only with the generator.
#ifdef GEN_LISTING_PROGRAM
namespace fp {
namespace {

ListingDocument generated(const std::string& arguments) {
    const std::string path =
        ::testing::TempDir() + "frameplan_takedown_" + std::to_string(::getpid()) + ".anl";
    EXPECT_TRUE(testing::writeGeneratedListing(GEN_LISTING_PROGRAM, arguments, path));
    testing::QuietMessages messages;
    ListingDocument document = openListing(path, messages);
    std::remove(path.c_str());
    return document;
}

struct Listing {
    const char* arguments;
    // The floor loads covering a panel in part: the sample's stair-bay live loads, two strips
    // on each of four floors.
    std::size_t floorLoadsMissed;
};

class Equilibrium : public ::testing::TestWithParam<Listing> {};

TEST_P(Equilibrium, HoldsForEveryCaseAndCombination) {
    const ListingDocument document = generated(GetParam().arguments);
    const Takedown takedown = takeDown(document);
    const fp::Equilibrium& balance = takedown.equilibrium;
    ASSERT_FALSE(takedown.cases.cases.empty());
    std::size_t missed = 0;
    for (std::size_t c = 0; c < takedown.cases.cases.size(); ++c) {
        EXPECT_NEAR(balance.reached(c), balance.applied(c), 0.01) << "case " << c;
        // Every load of these listings reaches a base.
        EXPECT_EQ(balance.unsupported.at(c), 0) << "case " << c;
        missed += balance.floorLoadsMissed[c].size();
        // The floor part is what frameplan info totals level by level.
        double levels = 0;
        for (int level = 2; level <= document.levelCount(); ++level) {
            for (const CaseTotal& total : levelTotals(document, level).cases) {
                levels += total.caseNumber == takedown.cases.cases[c] ? total.load : 0;
            }
        }
        EXPECT_NEAR(balance.floor.at(c), levels, 0.01) << "case " << c;
    }
    EXPECT_EQ(missed, GetParam().floorLoadsMissed);
    for (const LoadChoice& choice : takedown.cases.everyChoice()) {
        const LoadCases& cases = takedown.cases;
        EXPECT_NEAR(cases.valueOf(choice, balance.bases),
                    cases.valueOf(choice, balance.floor) + cases.valueOf(choice, balance.member),
                    0.01);
    }
    EXPECT_TRUE(takedown.unsupported.empty());
    EXPECT_TRUE(balance.levelsLeftOut.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, Equilibrium,
    ::testing::Values(Listing{"--storeys 1 --bays-x 1 --bays-z 1 --load-cases 1", 0},
                      Listing{"--storeys 2 --bays-x 1 --bays-z 1 --load-cases 2", 0},
                      Listing{"--storeys 3 --bays-x 4 --bays-z 2 --load-cases 3", 0},
                      Listing{"--storeys 12 --bays-x 10 --bays-z 8 --load-cases 6", 0},
                      Listing{"--storeys 5 --bays-x 9 --bays-z 1 --load-cases 7", 0},
                      Listing{"--sample", 8}));

TEST(SampleTakedown, TheBalconyCantileverLiftsTheColumnsBehindIt) {
    const ListingDocument document = generated("--sample");
    const Takedown takedown = takeDown(document);
    // Its tips at Z 17.8 m stand 1.8 m past the columns at Z 16 m, on a 5.5 m back span.
    const ColumnTakedown* behind = takedown.columnBelow(2, {1800, 1050});
    ASSERT_NE(behind, nullptr);
    bool lifted = false;
    for (const Inflow& inflow : behind->inflows) {
        if (inflow.cantilever) {
            lifted = true;
            EXPECT_NEAR(inflow.fraction, -1.8 / 5.5, 1e-6);
        }
    }
    EXPECT_TRUE(lifted);
}

}  // namespace
}  // namespace fp
#endif

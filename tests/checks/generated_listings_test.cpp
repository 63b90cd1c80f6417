// The generator writes listings without mistakes: the check must raise nothing on any of them,
// whatever their shape or size (the sample, with its stair-bay load, is the one exception).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "checks/listing_checks.h"
#include "document/listing_document.h"
#include "support/generated_listings.h"

// Built only with the generator.
#ifdef GEN_LISTING_PROGRAM
namespace fp {
namespace {

struct NoMessages : MessageSink {
    void show(const ListingMessage&) override {}
};

std::vector<Finding> checkGenerated(const std::string& arguments) {
    const std::string path =
        ::testing::TempDir() + "frameplan_generated_" + std::to_string(::getpid()) + ".anl";
    EXPECT_TRUE(testing::writeGeneratedListing(GEN_LISTING_PROGRAM, arguments, path));
    NoMessages messages;
    const ListingDocument document = openListing(path, messages);
    std::vector<Finding> findings = checkDocument(document);
    std::remove(path.c_str());
    return findings;
}

class GeneratedListing : public ::testing::TestWithParam<const char*> {};

TEST_P(GeneratedListing, RaisesNoFinding) {
    for (const Finding& finding : checkGenerated(GetParam())) {
        ADD_FAILURE() << kindName(finding.kind) << ": " << finding.sentence;
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, GeneratedListing,
                         ::testing::Values("--storeys 2 --bays-x 1 --bays-z 1 --load-cases 1",
                                           "--storeys 3 --bays-x 4 --bays-z 2 --load-cases 2",
                                           "--storeys 12 --bays-x 10 --bays-z 8 --load-cases 6",
                                           "--storeys 5 --bays-x 3 --bays-z 3 --load-cases 3 "
                                           "--size-mb 4"));

TEST(GeneratedSample, FindsTheStairBayLoadOnEveryFloorItCrosses) {
    int partial = 0;
    for (const Finding& finding : checkGenerated("--sample")) {
        partial += finding.kind == FindingKind::PartialFloorLoad ? 1 : 0;
        EXPECT_TRUE(finding.kind == FindingKind::PartialFloorLoad ||
                    finding.kind == FindingKind::PanelMissedByCase ||
                    finding.kind == FindingKind::PanelLoadedTwice)
            << finding.sentence;
    }
    // Two strips of live load on each of the four lower floors.
    EXPECT_EQ(partial, 8);
}

}  // namespace
}  // namespace fp
#endif

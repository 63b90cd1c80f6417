// A level past a drawing limit is not checked: it says so once, and nothing on it is reported as
// lost or wrong, whichever limit it passes.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "checks/listing_checks.h"
#include "support/document_builder.h"

namespace fp {
namespace {

using testing::LevelFrame;

// A frame of `nX` by `nZ` grid lines framed whole on level 2 (at 3 m), the first `designed` of
// its beams designed (member numbers count from 1), loaded by one case over the whole level, with
// a member load on every beam.
ListingDocument framedLevel(int nX, int nZ, int designed, int extraFloorLoads = 0) {
    LevelFrame frame(nX, nZ);
    frame.allNeighbourBeams();
    const int beams = (nX - 1) * nZ + nX * (nZ - 1);
    for (int32_t member = 1; member <= designed; ++member) {
        frame.builder.designRow(member, 500);
    }
    frame.builder.loadCase("1", "DEAD");
    for (int load = 0; load <= extraFloorLoads; ++load) {
        frame.builder.floorLoad("1", 2, 2.9f, 3.1f, -1, 1000, -1, 1000, 100 + load);
    }
    for (int32_t member = 1; member <= beams; ++member) {
        frame.builder.memberLoadOn(member, 3, "1", 200);
    }
    return frame.builder.build();
}

TEST(LevelNotChecked, SaysSoOnceAndReportsNothingElseOnIt) {
    const struct {
        const char* name;
        std::function<ListingDocument()> document;
        const char* limit;
    } cases[] = {
        {"more than 300 beams", [] { return framedLevel(12, 14, 310); }, "300 beams"},
        {"more than 200 panels, some beams without design", [] { return framedLevel(16, 15, 40); },
         "200 slab panels"},
        {"more than 10 loads on a panel", [] { return framedLevel(3, 3, 12, 10); },
         "10 floor loads"},
    };
    for (const auto& c : cases) {
        const std::vector<Finding> findings = checkDocument(c.document());
        ASSERT_EQ(findings.size(), 1u) << c.name << ": " << findings.back().sentence;
        EXPECT_EQ(findings[0].kind, FindingKind::LevelNotChecked) << c.name;
        EXPECT_EQ(findings[0].level, 2) << c.name;
        EXPECT_NE(findings[0].sentence.find(c.limit), std::string::npos) << findings[0].sentence;
    }
}

}  // namespace
}  // namespace fp

// A joint put down a little off its grid line: the check names the joint, its line in the listing,
// the grid line it misses and by how much, and the members it takes off the plans; a member meant
// to be inclined raises nothing of the kind.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "checks/listing_checks.h"
#include "reader/listing_source.h"
#include "support/listing_text.h"

namespace fp {
namespace {

// Two 6 m × 5 m bays at 3 m on columns from the ground, every beam designed and loaded, with
// one joint moved by (dx, dz) metres and, when asked, a brace across the first bay.
struct MovedJointFrame {
    long joint = 0;
    double dx = 0;
    double dz = 0;
    bool brace = false;

    std::string text() const {
        testing::ListingText listing;
        for (long i = 0; i < 6; ++i) {
            const double x = 6.0 * static_cast<double>(i % 3);
            const double z = i < 3 ? 0 : 5;
            for (const long number : {i + 1, i + 101}) {
                const bool moved = number == joint;
                listing.joint(number, x + (moved ? dx : 0), number > 100 ? 3 : 0,
                              z + (moved ? dz : 0));
            }
        }
        // Along X: 101, 102, 104, 105; along Z: 107, 108, 109; the columns 1001 to 1006.
        const long members[][3] = {{101, 101, 102}, {102, 102, 103}, {104, 104, 105},
                                   {105, 105, 106}, {107, 101, 104}, {108, 102, 105},
                                   {109, 103, 106}};
        for (const auto& member : members) {
            listing.member(member[0], member[1], member[2]).designBlock(member[0], 6000);
        }
        for (long i = 1; i <= 6; ++i) {
            listing.member(1000 + i, i, 100 + i);
        }
        if (brace) {
            listing.member(110, 101, 105).designBlock(110, 7810);
        }
        listing.floorLoad(2.9, 3.1, 5).memberLoad("108", 10);
        return listing.text();
    }
};

// The listing line (from 1) the joint's number is written on, found in the text itself.
long lineOfJoint(const std::string& text, long joint) {
    std::istringstream lines(text);
    long number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (line.find(". " + std::to_string(joint) + " ") != std::string::npos) {
            return number;
        }
    }
    return 0;
}

std::vector<Finding> checkText(const std::string& text) {
    struct NoMessages : MessageSink {
        void show(const ListingMessage&) override {}
    } messages;
    const auto listing = listingInMemory(text, "frame.anl");
    return checkDocument(readListing(*listing, messages));
}

struct OffLineCase {
    const char* name;
    MovedJointFrame frame;
    // What the one finding about the joint must say; empty when there must be none.
    std::vector<std::string> says;
    double distance = 0;
    int level = 2;
};

class JointOffGridLine : public ::testing::TestWithParam<OffLineCase> {};

TEST_P(JointOffGridLine, IsNamedWithItsLineTheGridLineAndTheMembersItCosts) {
    const OffLineCase& c = GetParam();
    const std::string text = c.frame.text();
    std::vector<Finding> offLine;
    std::string all;
    for (const Finding& finding : checkText(text)) {
        all += std::string(kindName(finding.kind)) + ": " + finding.sentence + "\n";
        if (finding.kind == FindingKind::JointOffGridLine) {
            offLine.push_back(finding);
        }
    }
    if (c.says.empty()) {
        EXPECT_TRUE(offLine.empty()) << all;
        return;
    }
    ASSERT_EQ(offLine.size(), 1u) << all;
    const Finding& finding = offLine.front();
    EXPECT_EQ(finding.severity, Severity::Warning);
    EXPECT_EQ(finding.lines, std::vector<long>{lineOfJoint(text, c.frame.joint)});
    EXPECT_EQ(finding.level, c.level);
    EXPECT_NEAR(finding.numbers.at(0).value, c.distance, 1e-6);
    for (const std::string& part : c.says) {
        EXPECT_NE(finding.sentence.find(part), std::string::npos)
            << "\"" << part << "\" not in: " << finding.sentence;
    }
}

// Joint 105 stands at X 6 m, Z 5 m: X line 2 (or 3 once a joint moved right of it makes a line
// of its own between), Z line B.
INSTANTIATE_TEST_SUITE_P(
    Moves, JointOffGridLine,
    ::testing::Values(
        OffLineCase{"x_by_3_cm",
                    {.joint = 105, .dx = 0.03},
                    {"Joint 105 (line ", "0.03 m off grid line 2 at X 6 m",
                     "members 108 and 1005 stand", "no plan draws beam 108",
                     "bay beside it does not close", "member 1005 is not taken as a column"},
                    0.03},
        OffLineCase{"x_back_by_30_cm",
                    {.joint = 105, .dx = -0.3},
                    {"0.3 m off grid line 3 at X 6 m", "beam 108", "member 1005"},
                    0.3},
        OffLineCase{"z_by_3_cm",
                    {.joint = 105, .dz = 0.03},
                    {"0.03 m off grid line B at Z 5 m", "members 104, 105 and 1005",
                     "beams 104 and 105, so the bays beside them do not close"},
                    0.03},
        OffLineCase{"z_by_30_cm",
                    {.joint = 105, .dz = -0.3},
                    {"0.3 m off grid line C at Z 5 m", "beams 104 and 105"},
                    0.3},
        OffLineCase{"support_by_30_cm",
                    {.joint = 2, .dx = 0.3},
                    {"Joint 2 (line ", "0.3 m off grid line 2 at X 6 m",
                     "the other end of member 1002 stands: member 1002 is not taken as a column"},
                    0.3,
                    1},
        OffLineCase{"half_a_metre_is_design", {.joint = 105, .dx = 0.5}, {}},
        OffLineCase{"inclined_brace", {.brace = true}, {}}, OffLineCase{"none_moved", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A load on a beam the moved joint takes off the plan gives that reason, not a skewed member's.
TEST(JointOffGridLine, ALoadOnABeamItCostsSaysWhy) {
    bool found = false;
    for (const Finding& finding : checkText(MovedJointFrame{.joint = 105, .dx = 0.3}.text())) {
        if (finding.kind == FindingKind::MemberLoadOnUndrawnBeam) {
            found = true;
            EXPECT_NE(finding.sentence.find("member 108, whose joint 105 stands 0.3 m off"),
                      std::string::npos)
                << finding.sentence;
        }
    }
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace fp

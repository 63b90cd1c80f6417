// frameplan takedown: the loads it prints for a frame worked out by hand, what it chooses, and
// its exit status.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_run.h"
#include "support/frame_listing.h"

namespace fp {
namespace {

using testing::FrameListing;

using TakedownRun = testing::CommandRun;

TakedownRun run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "takedown");
    return testing::runCommand(arguments);
}

// A 6 x 4 m bay at 3 m on four columns, dead 5 kN/m² and live 2 kN/m², and their combination.
std::string oneBay(bool columns = true) {
    FrameListing frame;
    frame.bay(3, 0, 0, 6, 4, columns);
    if (!columns) {
        frame.joint(0, 0, 0);
    }
    frame.text.loadCase("1", "DEAD").floorLoad(2.9, 3.1, 5);
    frame.text.loadCase("2", "LIVE").floorLoad(2.9, 3.1, 2);
    frame.text.combination("4", "ULTIMATE", "1 1.5 2 1.5");
    return testing::writeTestListing(frame.text.text());
}

TEST(TakedownCommand, PrintsEachColumnsLoadWorkedOutByHand) {
    const TakedownRun taken = run({oneBay()});
    EXPECT_EQ(taken.status, 0) << taken.err;
    // 20 kN from a triangle and 40 kN from a trapezoid, half of each at every corner: 30 kN dead,
    // 12 kN live, 63 kN in the combination; 120, 48 and 252 kN in all.
    EXPECT_NE(taken.out.find("  3 m       1001          30.0      30.0        12.0      12.0"
                             "        63.0      63.0"),
              std::string::npos)
        << taken.out;
    EXPECT_NE(taken.out.find("Case 1 DEAD                             applied 120.0 (floor 120.0 "
                             "+ member 0.0) = bases 120.0 + unsupported 0.0"),
              std::string::npos)
        << taken.out;
    EXPECT_NE(taken.out.find("applied 252.0"), std::string::npos) << taken.out;
    EXPECT_NE(taken.out.find("without self-weight"), std::string::npos);
}

TEST(TakedownCommand, StatusAndChoices) {
    const std::string bay = oneBay();
    const struct {
        const char* what;
        std::vector<std::string> arguments;
        int status;
        const char* says;  // a part of the output, or of the error when the status is 2
    } cases[] = {
        {"one case", {bay, "--case", "2"}, 0, "case 2"},
        {"one combination", {bay, "--combination", "4"}, 0, "combination 4"},
        {"the rows of one level", {bay, "--level", "3"}, 0, "A/1 at X 0 m, Z 0 m, base at 0 m"},
        {"a ratio that makes the bay one-way",
         {bay, "--one-way-ratio", "1.2", "--case", "1"},
         0,
         "  3 m       1001          30.0      30.0"},
        {"no columns: every load unsupported",
         {oneBay(false)},
         1,
         "The listing has no columns (no vertical members): every load stays at its joint"},
        {"a case without floor or member loads",
         {bay, "--case", "3"},
         2,
         "no load case 3 with floor or member loads; it has 1, 2"},
        {"a combination the listing lacks",
         {bay, "--combination", "7"},
         2,
         "no load combination 7; it has 4"},
        {"both a case and a combination",
         {bay, "--case", "1", "--combination", "4"},
         2,
         "excludes"},
        {"a ratio of 1 or less", {bay, "--one-way-ratio", "1"}, 2, "more than 1"},
        {"a height that is no level", {bay, "--level", "4"}, 2, "Its levels are at 0, 3 m"},
        {"a listing that cannot be read", {bay + ".missing"}, 2, "cannot be opened"},
    };
    for (const auto& c : cases) {
        const TakedownRun taken = run(c.arguments);
        EXPECT_EQ(taken.status, c.status) << c.what << "\n" << taken.err;
        const std::string& text = c.status == 2 ? taken.err : taken.out;
        EXPECT_NE(text.find(c.says), std::string::npos) << c.what << "\n" << text;
    }
}

}  // namespace
}  // namespace fp

// frameplan check: its exit status, the level it keeps, and info's counts.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_run.h"
#include "support/listing_text.h"

namespace fp {
namespace {

using testing::CommandRun;

CommandRun run(const std::vector<std::string>& arguments) {
    return testing::runCommand(arguments);
}

// Two storeys of one 6 m × 5 m bay, designed and loaded whole; `floorLoads` are the YRANGE lines.
// Without its FINISH line the listing is cut short.
std::string frame(const std::vector<std::string>& floorLoads, bool finished = true) {
    std::string text =
        "1. UNIT METER KN\n2. JOINT COORDINATES\n"
        "3. 1 0 0 0; 2 6 0 0; 3 0 0 5; 4 6 0 5\n"
        "4. 11 0 3 0; 12 6 3 0; 13 0 3 5; 14 6 3 5\n"
        "5. 21 0 6 0; 22 6 6 0; 23 0 6 5; 24 6 6 5\n"
        "6. MEMBER INCIDENCES\n"
        "7. 101 11 12; 102 13 14; 103 11 13; 104 12 14\n"
        "8. 201 21 22; 202 23 24; 203 21 23; 204 22 24\n"
        "9. LOAD 1 LOADTYPE Dead TITLE DEAD\n10. FLOOR LOAD\n";
    long echo = 11;
    for (const std::string& load : floorLoads) {
        text += std::to_string(echo++) + ". " + load + "\n";
    }
    for (const int beam : {101, 102, 103, 104, 201, 202, 203, 204}) {
        text += "  B E A M  N O. " + std::to_string(beam) + "\n  LENGTH: 6000.0 mm\n";
    }
    return finished ? text + std::to_string(echo) + ". FINISH\n" : text;
}

const std::string kBothFloors = "YRANGE 2.9 6.1 FLOAD -5 XRANGE 0 6  ZRANGE 0 5  GY";
// Half of the upper floor's bay: a warning on level 3.
const std::string kHalfUpper = "YRANGE 5.9 6.1 FLOAD -2 XRANGE 0 3  ZRANGE 0 5  GY";
// Both floors again in the same case: a note on each.
const std::string kTwice = "YRANGE 2.9 6.1 FLOAD -1 XRANGE 0 6  ZRANGE 0 5  GY";

TEST(CheckCommand, TheStatusTellsWhetherThereIsAWarning) {
    struct Case {
        const char* name;
        std::vector<std::string> loads;
        std::vector<std::string> options;
        int status;
        bool finished = true;
    };
    for (const Case& c : std::vector<Case>{
             {"clean", {kBothFloors}, {}, 0},
             {"notes alone", {kBothFloors, kTwice}, {}, 0},
             {"a warning", {kBothFloors, kHalfUpper}, {}, 1},
             {"a warning as JSON", {kBothFloors, kHalfUpper}, {"--json"}, 1},
             {"a warning on another level", {kBothFloors, kHalfUpper}, {"--level", "3"}, 0},
             {"a warning on the level kept", {kBothFloors, kHalfUpper}, {"--level", "6"}, 1},
             {"no level at that height", {kBothFloors}, {"--level", "4"}, 2},
             {"a height that is no number", {kBothFloors}, {"--level", "3m"}, 2},
             {"cut short", {kBothFloors}, {}, 1, false},
             {"cut short, a level asked for", {kBothFloors}, {"--level", "3"}, 1, false},
         }) {
        std::vector<std::string> arguments = {
            "check", testing::writeTestListing(frame(c.loads, c.finished))};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const CommandRun result = run(arguments);
        EXPECT_EQ(result.status, c.status) << c.name << "\n" << result.out << result.err;
    }
}

TEST(CheckCommand, AListingThatCannotBeReadGivesTwoAndItsMessage) {
    const CommandRun missing = run({"check", "/nonexistent/tower.anl"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("tower.anl"), std::string::npos) << missing.err;
    EXPECT_TRUE(missing.out.empty());
}

TEST(CheckCommand, KeepsOnlyTheLevelAskedFor) {
    const std::string listing = testing::writeTestListing(frame({kBothFloors, kHalfUpper, kTwice}));
    const CommandRun all = run({"check", listing});
    EXPECT_NE(all.out.find("Level 3 m"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("Level 6 m"), std::string::npos) << all.out;
    const CommandRun lower = run({"check", listing, "--level", "3"});
    EXPECT_NE(lower.out.find("Level 3 m"), std::string::npos) << lower.out;
    EXPECT_EQ(lower.out.find("Level 6 m"), std::string::npos) << lower.out;
    const CommandRun cutShort =
        run({"check", testing::writeTestListing(frame({kBothFloors}, false)), "--level", "6"});
    EXPECT_NE(cutShort.out.find("Whole listing\n  Listing cut short"), std::string::npos)
        << cutShort.out;
}

TEST(CheckCommand, InfoCountsTheWarningsAndNotes) {
    const CommandRun info =
        run({"info", testing::writeTestListing(frame({kBothFloors, kHalfUpper, kTwice}))});
    EXPECT_EQ(info.status, 0) << info.err;
    // The frame stands on no column: a third note says that no load reaches the ground.
    EXPECT_NE(info.out.find("Checks        1 warning, 3 notes"), std::string::npos) << info.out;
}

}  // namespace
}  // namespace fp

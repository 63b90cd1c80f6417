// The level totals as info prints them: each level from the second up, each case's load.
#include "cli/level_totals_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/document_builder.h"

namespace fp {
namespace {

TEST(LevelTotalsText, EachLevelShowsItsPanelsAndEachCasesLoad) {
    testing::LevelFrame frame(3, 2);
    frame.allNeighbourBeams();
    frame.builder.loadCase("1", "DEAD LOAD");
    frame.builder.floorLoad("1", 4.5f, 2.9f, 3.1f, 0, 5, 0, 4);
    frame.builder.floorLoad("", 1, 2.9f, 3.1f, 0, 10, 0, 4);
    std::ostringstream out;
    writeLevelTotals(out, frame.builder.build());
    EXPECT_EQ(out.str(),
              "Level totals  floor load on each level's panels (area x intensity)\n"
              "  3 m       2 panels, 0 without floor load\n"
              "            Case 1 DEAD LOAD                 90.0 kN on 1 panel\n"
              "            No load case                     40.0 kN on 2 panels\n");
}

TEST(LevelTotalsText, ALevelPastItsPanelLimitPrintsItsMessageAndTheOthersGoOn) {
    testing::LevelFrame frame(16, 16, 100, 100);
    frame.allNeighbourBeams();
    std::ostringstream out;
    writeLevelTotals(out, frame.builder.build());
    EXPECT_NE(out.str().find("3 m  "), std::string::npos);
    EXPECT_NE(out.str().find("200"), std::string::npos);
}

}  // namespace
}  // namespace fp

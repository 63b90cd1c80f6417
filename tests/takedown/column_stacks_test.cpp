// Columns carrying the levels above them down to their bases, case by case and in the
// combinations the listing defines, against loads worked out by hand.
#include <gtest/gtest.h>

#include "support/frame_listing.h"

namespace fp {
namespace {

using testing::columnLoad;
using testing::FrameListing;
using testing::readFrame;

TEST(ColumnStacks, AddEachStoreyDownToTheBase) {
    // A 4 x 4 m bay at 3, 6 and 9 m at 3 kN/m²: 48 kN a floor, 12 kN to each corner.
    FrameListing frame;
    for (const double y : {3.0, 6.0, 9.0}) {
        frame.bay(y, 0, 0, 4, 4, true, y - 3);
        frame.text.floorLoad(y - 0.1, y + 0.1, 3);
    }
    const ListingDocument document = readFrame(frame.text);
    const Takedown takedown = takeDown(document);
    ASSERT_EQ(takedown.stacks.size(), 4u);
    for (const ColumnStack& stack : takedown.stacks) {
        ASSERT_EQ(stack.columns.size(), 3u) << stack.name;
        EXPECT_EQ(stack.end, StackEnd::Base);
        EXPECT_EQ(stack.endLevel, 1);
        double below = 0;
        for (const std::size_t index : stack.columns) {
            const ColumnTakedown& column = takedown.columns[index];
            below += 12;
            EXPECT_NEAR(column.added.at(0), 12, 1e-9) << stack.name;
            EXPECT_NEAR(column.below.at(0), below, 1e-9) << stack.name;
        }
    }
    EXPECT_NEAR(columnLoad(document, takedown, 3, 4, 4), 36, 1e-9);
    EXPECT_NEAR(takedown.equilibrium.bases.at(0), 144, 1e-9);
    // Named by their grid lines, Z line letter first.
    std::vector<std::string> names;
    for (const ColumnStack& stack : takedown.stacks) {
        names.push_back(stack.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"A/1", "A/2", "B/1", "B/2"}));
}

TEST(ColumnStacks, CombinationsAreTheFactoredSumsOfTheirCases) {
    // Dead 5 kN/m² and live 2 kN/m² on a 6 x 4 m bay: 30 and 12 kN on each corner column.
    FrameListing frame;
    frame.bay(3, 0, 0, 6, 4);
    frame.text.loadCase("1", "DEAD").floorLoad(2.9, 3.1, 5);
    frame.text.loadCase("2", "LIVE").floorLoad(2.9, 3.1, 2);
    frame.text.loadCase("3", "WIND").combination("4", "ULTIMATE", "1 1.5 2 1.5");
    frame.text.combination("5", "WITH WIND", "1 1.2 2 1.2 3 1.2");
    const ListingDocument document = readFrame(frame.text);
    const Takedown takedown = takeDown(document);
    ASSERT_EQ(takedown.cases.cases, (std::vector<std::string>{"1", "2"}));
    ASSERT_EQ(takedown.cases.combinations.size(), 2u);
    const ColumnTakedown* column = takedown.columnBelow(2, {0, 0});
    ASSERT_NE(column, nullptr);
    const LoadCases& cases = takedown.cases;
    EXPECT_NEAR(cases.valueOf({LoadChoice::Kind::Case, 0}, column->below), 30, 1e-9);
    EXPECT_NEAR(cases.valueOf({LoadChoice::Kind::Case, 1}, column->below), 12, 1e-9);
    EXPECT_NEAR(cases.valueOf({LoadChoice::Kind::Combination, 0}, column->below), 63, 1e-9);
    // The wind case has no floor or member load: it adds nothing, and is named as such.
    EXPECT_NEAR(cases.valueOf({LoadChoice::Kind::Combination, 1}, column->below), 50.4, 1e-9);
    EXPECT_EQ(cases.combinations[1].casesWithoutLoads, std::vector<std::string>{"3"});
    EXPECT_EQ(choiceName(document, cases, {LoadChoice::Kind::Combination, 0}),
              "Combination 4 ULTIMATE");
}

}  // namespace
}  // namespace fp

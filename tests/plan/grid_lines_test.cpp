// Grid lines: which lines a level has, their names as architects write them, the intersection
// nearest a point, and their drawing with a named bubble at each end outside the plan.
#include "plan/grid_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using Kind = test::RecordingSurface::Kind;

TEST(GridLineNames, XLinesAreNumberedAndZLinesLetteredWithoutIAndO) {
    const struct {
        std::size_t index;
        const char* x;
        const char* z;
    } cases[] = {
        {0, "1", "A"},    {7, "8", "H"},    {8, "9", "J"},     {13, "14", "P"},
        {23, "24", "Z"},  {24, "25", "AA"}, {31, "32", "AH"},  {32, "33", "AJ"},
        {47, "48", "AZ"}, {48, "49", "BA"}, {99, "100", "DD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(xLineName(c.index), c.x) << c.index;
        EXPECT_EQ(zLineName(c.index), c.z) << c.index;
    }
    for (std::size_t index = 0; index < 600; ++index) {
        const std::string name = zLineName(index);
        EXPECT_EQ(name.find_first_of("IO"), std::string::npos) << name;
        EXPECT_NE(name, zLineName(index + 1));
    }
}

TEST(GridLines, AreTheDistinctCoordinatesOfTheLevelsOwnJoints) {
    testing::DocumentBuilder builder;
    builder.joint(1, 0, 300, 0).joint(2, 700, 300, 0).joint(3, 700, 300, 450);
    // Only on the level below: its lines are not the upper level's.
    builder.joint(4, 1200, 0, 900);
    const ListingDocument document = builder.build();
    const LevelGridLines upper = gridLinesOf(document, 2);
    EXPECT_EQ(upper.x, (std::vector<float>{0, 700}));
    EXPECT_EQ(upper.z, (std::vector<float>{0, 450}));
    EXPECT_EQ(gridLinesOf(document, 1).x, std::vector<float>{1200});
    EXPECT_TRUE(gridLinesOf(document, 3).x.empty());
}

TEST(GridLines, TheNearestIntersectionIsNamedZLineFirst) {
    const LevelGridLines lines{{0, 500, 1000, 1500}, {0, 400, 800}};
    const struct {
        double x;
        double z;
        const char* name;
    } cases[] = {
        {0, 0, "A/1"},      {1490, 790, "C/4"}, {760, 390, "B/3"},
        {1520, -20, "A/4"},  // a little outside still counts
        {1530, 400, ""},    {700, 830, ""},     {-30, 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nearestIntersection(lines, c.x, c.z), c.name) << c.x << ", " << c.z;
    }
    EXPECT_EQ(nearestIntersection({}, 0, 0), "");
}

// Level 2 of a 3 x 2 grid: X lines at 0, 5 and 10 m, Z lines at 0 and 4 m.
ListingDocument threeByTwo() {
    testing::LevelFrame frame(3, 2);
    frame.allNeighbourBeams();
    return frame.builder.build();
}

TEST(GridLines, EachLineRunsPastThePlanToABubbleAtBothEndsNamedInside) {
    const ListingDocument document = threeByTwo();
    test::RecordingSurface surface;
    PlanView view = startUpView(document);
    view.level = 2;
    drawGridLines(document, view, surface);

    std::vector<test::RecordingSurface::Call> gridLines;
    for (const auto& line : surface.lines()) {
        EXPECT_EQ(line.part, PlanPart::Grid);
        EXPECT_EQ(line.style, LineStyle::GridLine);
        gridLines.push_back(line);
    }
    ASSERT_EQ(gridLines.size(), 5u);
    const auto circles = surface.circles();
    ASSERT_EQ(circles.size(), 10u);
    for (const auto& circle : circles) {
        EXPECT_EQ(circle.style, LineStyle::Thin);
        // Outside the plan, whose lines span 0 .. 1000 by 0 .. 400, and within its 1 m frame.
        const bool outside = circle.x1 < 0 || circle.x1 > 1000 || circle.z1 < 0 || circle.z1 > 400;
        EXPECT_TRUE(outside) << circle.x1 << ", " << circle.z1;
        EXPECT_GE(circle.x1 - circle.x2, -100);
        EXPECT_LE(circle.x1 + circle.x2, 1100);
        // A line ends on the bubble's rim (the recording surface's text is two digits high, so
        // the radius is the same both ways).
        const bool met = std::any_of(gridLines.begin(), gridLines.end(), [&](const auto& line) {
            return std::abs(std::hypot(line.x1 - circle.x1, line.z1 - circle.z1) - circle.x2) <
                       1e-3 ||
                   std::abs(std::hypot(line.x2 - circle.x1, line.z2 - circle.z1) - circle.x2) <
                       1e-3;
        });
        EXPECT_TRUE(met) << circle.x1 << ", " << circle.z1;
    }
    // The names, each written twice, centred in their bubbles.
    std::vector<std::string> names;
    for (const auto& text : surface.texts()) {
        names.push_back(text.text);
        const double width = 10 * static_cast<double>(text.text.size());
        const bool centred = std::any_of(circles.begin(), circles.end(), [&](const auto& circle) {
            return std::abs(text.x1 + width / 2 - circle.x1) < 1e-3 &&
                   std::abs(text.z1 + 10 - circle.z1) < 1e-3;
        });
        EXPECT_TRUE(centred) << text.text;
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"1", "1", "2", "2", "3", "3", "A", "A", "B", "B"}));
}

TEST(GridLines, AreNotDrawnWhenTheViewHidesThemNorOnALevelWithoutJoints) {
    const ListingDocument document = threeByTwo();
    PlanView view = startUpView(document);
    view.level = 2;
    view.gridLines = false;
    test::RecordingSurface hidden;
    drawGridLines(document, view, hidden);
    EXPECT_TRUE(hidden.calls().empty());
    view.gridLines = true;
    view.level = 3;
    test::RecordingSurface none;
    drawGridLines(document, view, none);
    EXPECT_TRUE(none.calls().empty());
}

}  // namespace
}  // namespace fp

// Grid lines drawn with a named bubble at each end outside the plan, each name in its bubble.
#include "plan/grid_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "plan/label_drawing.h"
#include "plan/label_search.h"
#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using Kind = test::RecordingSurface::Kind;

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
    PlanLabels labels;
    drawGridLines(document, view, surface, labels);
    drawLabels(labels, designedLayout(labels), surface);

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
    PlanLabels labels;
    drawGridLines(document, view, hidden, labels);
    EXPECT_TRUE(hidden.calls().empty());
    view.gridLines = true;
    view.level = 3;
    test::RecordingSurface none;
    drawGridLines(document, view, none, labels);
    EXPECT_TRUE(none.calls().empty());
    EXPECT_TRUE(labels.labels().empty());
}

}  // namespace
}  // namespace fp

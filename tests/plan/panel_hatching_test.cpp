// Panels without floor load are hatched when the view asks for it: lines of slope 1, clipped to
// the panel, on a pattern shared by every panel.
#include "plan/panel_hatching.h"

#include <gtest/gtest.h>

#include <cmath>

#include "plan/level_drawing.h"
#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using test::RecordingSurface;

// Level 2 of a 3 x 2 grid: panels X 0-5 m and 5-10 m, Z 0-4 m; only the first is loaded.
class Hatching : public ::testing::Test {
  protected:
    Hatching() : frame(3, 2) {
        frame.allNeighbourBeams();
        frame.builder.floorLoad("1", 5, 2.9f, 3.1f, 0, 5, 0, 4);
        view.level = 2;
    }

    testing::LevelFrame frame;
    PlanView view;
    RecordingSurface surface;
};

TEST_F(Hatching, LinesOfSlopeOneFillThePanelAndStayInside) {
    hatchPanel(PanelBounds{500, 0, 1000, 400}, surface);
    const auto lines = surface.lines();
    // x - z runs over the multiples of 50 strictly between 500 - 400 and 1000 - 0.
    ASSERT_EQ(lines.size(), 17u);
    for (const auto& line : lines) {
        EXPECT_DOUBLE_EQ(line.x2 - line.x1, line.z2 - line.z1);
        EXPECT_GT(line.z2, line.z1);
        EXPECT_EQ(std::fmod(line.x1 - line.z1, 50.0), 0.0);
        for (const double x : {line.x1, line.x2}) {
            EXPECT_GE(x, 500);
            EXPECT_LE(x, 1000);
        }
        for (const double z : {line.z1, line.z2}) {
            EXPECT_GE(z, 0);
            EXPECT_LE(z, 400);
        }
    }
    EXPECT_DOUBLE_EQ(lines.front().x1 - lines.front().z1, 150);
    EXPECT_DOUBLE_EQ(lines.back().x1 - lines.back().z1, 950);
}

TEST_F(Hatching, OnlyPanelsWithoutFloorLoadAndOnlyWhenAskedFor) {
    const ListingDocument document = frame.builder.build();
    const std::size_t beamLines = [&] {
        RecordingSurface plain;
        drawLevel(document, view, plain);
        return plain.lines().size();
    }();
    view.markPanelsWithoutLoad = true;
    drawLevel(document, view, surface);
    const auto lines = surface.lines();
    ASSERT_EQ(lines.size(), beamLines + 17);
    for (std::size_t i = beamLines; i < lines.size(); ++i) {
        EXPECT_GE(std::min(lines[i].x1, lines[i].x2), 500) << "the loaded panel is not hatched";
    }
    RecordingSurface memberMode;
    view.mode = LoadMode::Member;
    drawLevel(document, view, memberMode);
    EXPECT_EQ(memberMode.lines().size(), beamLines);
}

}  // namespace
}  // namespace fp

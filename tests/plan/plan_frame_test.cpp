// The plan's frame: the model's grid with a 1 m margin, and a frame for an empty model.
#include "plan/plan_frame.h"

#include <gtest/gtest.h>

#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using testing::DocumentBuilder;

TEST(PlanFrame, FramesTheWholeGridWithAOneMetreMargin) {
    const Grid grid = DocumentBuilder().gridLines({-250, 400, 2000}, {0}, {300, 900}).build().grid;
    test::RecordingSurface surface;
    setPlanScale(grid, surface);
    const auto scales = surface.callsOf(test::RecordingSurface::Kind::SetScale);
    ASSERT_EQ(scales.size(), 1u);
    EXPECT_DOUBLE_EQ(scales[0].x1, -350);
    EXPECT_DOUBLE_EQ(scales[0].z1, 200);
    EXPECT_DOUBLE_EQ(scales[0].x2, 2100);
    EXPECT_DOUBLE_EQ(scales[0].z2, 1000);
    EXPECT_EQ(surface.calls().size(), 1u) << "the frame is all it sets";
}

TEST(PlanFrame, OneGridLineGivesTwoMetres) {
    const Grid grid = DocumentBuilder().gridLines({700}, {0}, {0, 600}).build().grid;
    const PlanFrame frame = planFrame(grid);
    EXPECT_DOUBLE_EQ(frame.left, 600);
    EXPECT_DOUBLE_EQ(frame.right, 800);
    EXPECT_DOUBLE_EQ(frame.top, -100);
    EXPECT_DOUBLE_EQ(frame.bottom, 700);
}

TEST(PlanFrame, AModelWithoutJointsGetsASquareAroundTheOrigin) {
    const PlanFrame frame = planFrame(DocumentBuilder().build().grid);
    EXPECT_DOUBLE_EQ(frame.left, -100);
    EXPECT_DOUBLE_EQ(frame.top, -100);
    EXPECT_DOUBLE_EQ(frame.right, 100);
    EXPECT_DOUBLE_EQ(frame.bottom, 100);
}

}  // namespace
}  // namespace fp

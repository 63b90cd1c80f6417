// The plan's frame: the model's grid with a 1 m margin, and a frame for an empty model.
#include "plan/plan_scale.h"

#include <gtest/gtest.h>

#include "support/recording_surface.h"

namespace fp {
namespace {

TEST(PlanScale, FramesTheWholeGridWithAOneMetreMargin) {
    auto model = makeModelStore();
    model->GridX.set(1, -250);
    model->GridX.set(2, 400);
    model->GridX.set(3, 2000);
    model->GridX.setCount(3);
    model->GridZ.set(1, 300);
    model->GridZ.set(2, 900);
    model->GridZ.setCount(2);
    test::RecordingSurface surface;
    setPlanScale(*model, surface);
    const auto scales = surface.callsOf(test::RecordingSurface::Kind::SetScale);
    ASSERT_EQ(scales.size(), 1u);
    EXPECT_DOUBLE_EQ(scales[0].x1, -350);
    EXPECT_DOUBLE_EQ(scales[0].z1, 200);
    EXPECT_DOUBLE_EQ(scales[0].x2, 2100);
    EXPECT_DOUBLE_EQ(scales[0].z2, 1000);
}

TEST(PlanScale, OneGridLineGivesTwoMetres) {
    auto model = makeModelStore();
    model->GridX.set(1, 700);
    model->GridX.setCount(1);
    model->GridZ.set(1, 0);
    model->GridZ.set(2, 600);
    model->GridZ.setCount(2);
    const PlanFrame frame = planFrame(*model);
    EXPECT_DOUBLE_EQ(frame.left, 600);
    EXPECT_DOUBLE_EQ(frame.right, 800);
}

TEST(PlanScale, AModelWithoutJointsGetsASquareAroundTheOrigin) {
    auto model = makeModelStore();
    const PlanFrame frame = planFrame(*model);
    EXPECT_DOUBLE_EQ(frame.left, -100);
    EXPECT_DOUBLE_EQ(frame.top, -100);
    EXPECT_DOUBLE_EQ(frame.right, 100);
    EXPECT_DOUBLE_EQ(frame.bottom, 100);
}

}  // namespace
}  // namespace fp

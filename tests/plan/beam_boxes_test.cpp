// Hit tests on pick boxes: edges, the index range and the first hit in serial order.
#include "plan/beam_boxes.h"

#include <gtest/gtest.h>

#include "model/run_error.h"

namespace fp {
namespace {

BeamBoxes twoOverlappingBoxes() {
    BeamBoxes boxes;
    boxes.Box[1] = {100, 200, 300, 220};
    boxes.Box[2] = {250, 150, 270, 400};
    boxes.BeamBoxCount = 2;
    return boxes;
}

TEST(IsOver, AllFourEdgesCountAsInside) {
    const BeamBoxes boxes = twoOverlappingBoxes();
    EXPECT_TRUE(IsOver(boxes, 1, 100, 210));
    EXPECT_TRUE(IsOver(boxes, 1, 300, 210));
    EXPECT_TRUE(IsOver(boxes, 1, 150, 200));
    EXPECT_TRUE(IsOver(boxes, 1, 150, 220));
    EXPECT_TRUE(IsOver(boxes, 1, 100, 200));
    EXPECT_FALSE(IsOver(boxes, 1, 99.99f, 210));
    EXPECT_FALSE(IsOver(boxes, 1, 300.01f, 210));
    EXPECT_FALSE(IsOver(boxes, 1, 150, 199.99f));
    EXPECT_FALSE(IsOver(boxes, 1, 150, 220.01f));
}

TEST(IsOver, IndicesOutsideTheTableEndTheRun) {
    const BeamBoxes boxes = twoOverlappingBoxes();
    EXPECT_THROW(IsOver(boxes, -1, 0, 0), RunEndingError);
    EXPECT_THROW(IsOver(boxes, 301, 0, 0), RunEndingError);
    EXPECT_TRUE(IsOver(boxes, 0, 0, 0)) << "the unused box 0 is all zeros";
    EXPECT_FALSE(IsOver(boxes, 300, 1, 1));
}

TEST(FirstBeamAt, LowerSerialWinsWhereBoxesOverlap) {
    const BeamBoxes boxes = twoOverlappingBoxes();
    EXPECT_EQ(firstBeamAt(boxes, 260, 210), 1);
    EXPECT_EQ(firstBeamAt(boxes, 260, 300), 2);
    EXPECT_EQ(firstBeamAt(boxes, 50, 50), 0);
}

TEST(FirstBeamAt, OnlyBoxesOfTheLastDrawingCount) {
    BeamBoxes boxes = twoOverlappingBoxes();
    boxes.BeamBoxCount = 1;  // box 2 is left over from an earlier drawing
    EXPECT_EQ(firstBeamAt(boxes, 260, 300), 0);
    boxes.BeamBoxCount = 0;
    EXPECT_EQ(firstBeamAt(boxes, 0, 0), 0) << "box 0 is never consulted";
}

}  // namespace
}  // namespace fp

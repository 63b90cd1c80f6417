// Hit tests on pick boxes: edges, inverted boxes and the first hit in serial order.
#include "plan/pick_boxes.h"

#include <gtest/gtest.h>

namespace fp {
namespace {

PickBoxes twoOverlappingBoxes() {
    return {{100, 200, 300, 220}, {250, 150, 270, 400}};
}

TEST(PickBox, AllFourEdgesCountAsInside) {
    const PickBox box = twoOverlappingBoxes()[0];
    EXPECT_TRUE(box.contains(100, 210));
    EXPECT_TRUE(box.contains(300, 210));
    EXPECT_TRUE(box.contains(150, 200));
    EXPECT_TRUE(box.contains(150, 220));
    EXPECT_TRUE(box.contains(100, 200));
    EXPECT_FALSE(box.contains(99.99f, 210));
    EXPECT_FALSE(box.contains(300.01f, 210));
    EXPECT_FALSE(box.contains(150, 199.99f));
    EXPECT_FALSE(box.contains(150, 220.01f));
}

TEST(PickBox, AnInvertedBoxContainsNoPoint) {
    const PickBox acrossX{1010, 1987, 1005, 2013};
    const PickBox acrossZ{950, 2050, 1050, 2030};
    for (const float x : {1000.0f, 1005.0f, 1007.5f, 1010.0f}) {
        EXPECT_FALSE(acrossX.contains(x, 2000)) << x;
    }
    for (const float z : {2030.0f, 2040.0f, 2050.0f}) {
        EXPECT_FALSE(acrossZ.contains(1000, z)) << z;
    }
}

TEST(BeamAt, LowerSerialWinsWhereBoxesOverlap) {
    const PickBoxes boxes = twoOverlappingBoxes();
    EXPECT_EQ(beamAt(boxes, 260, 210), 1);
    EXPECT_EQ(beamAt(boxes, 260, 300), 2);
    EXPECT_EQ(beamAt(boxes, 50, 50), 0);
}

TEST(BeamAt, OnlyTheBoxesOfTheDrawingCount) {
    PickBoxes boxes = twoOverlappingBoxes();
    boxes.pop_back();
    EXPECT_EQ(beamAt(boxes, 260, 300), 0);
    EXPECT_EQ(beamAt(PickBoxes{}, 0, 0), 0) << "no box stands at the origin unasked";
}

}  // namespace
}  // namespace fp

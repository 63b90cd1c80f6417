// Where a joint's load goes when no column stands below it, against loads worked out by hand:
// the lever rule along the beam line through it, a cantilever lifting the far column, a column
// standing on beams. The loads that find no column are tried with the check that names them.
#include <gtest/gtest.h>

#include <numeric>

#include "support/frame_listing.h"

namespace fp {
namespace {

using testing::columnLoad;
using testing::FrameListing;
using testing::readFrame;

// Girders along X at Z 0 and Z 6 from X 0 to 9 m with columns at their ends, and a secondary
// beam along Z at X 3 m landing on both, loaded with 10 kN/m: 30 kN at each of its ends.
FrameListing secondaryBeam() {
    FrameListing frame;
    for (const double z : {0.0, 6.0}) {
        frame.beam(3, 0, z, 3, z);
        frame.beam(3, 3, z, 9, z);
        frame.column(0, z, 0, 3);
        frame.column(9, z, 0, 3);
    }
    frame.beam(3, 0, 0, 0, 6);
    frame.beam(3, 9, 0, 9, 6);
    const long secondary = frame.beam(3, 3, 0, 3, 6);
    frame.text.memberLoad(std::to_string(secondary), 10);
    return frame;
}

TEST(LoadPaths, ASecondaryBeamOnAGirderGoesToTheColumnsByTheLeverRule) {
    const ListingDocument document = readFrame(secondaryBeam().text);
    const Takedown takedown = takeDown(document);
    for (const double z : {0.0, 6.0}) {
        // 30 kN at 3 m along a 9 m span: two thirds to the near column.
        EXPECT_NEAR(columnLoad(document, takedown, 3, 0, z), 20, 1e-9) << z;
        EXPECT_NEAR(columnLoad(document, takedown, 3, 9, z), 10, 1e-9) << z;
    }
    const ColumnTakedown* near = takedown.columnBelow(2, {0, 0});
    ASSERT_NE(near, nullptr);
    ASSERT_EQ(near->inflows.size(), 1u);
    EXPECT_NEAR(near->inflows[0].fraction, 2.0 / 3, 1e-12);
    EXPECT_TRUE(near->inflows[0].alongX);
    EXPECT_FALSE(near->inflows[0].cantilever);
    EXPECT_TRUE(takedown.unsupported.empty());
}

TEST(LoadPaths, ACantileverLiftsTheFarColumn) {
    // Columns at X 0 and 5 m; the beam goes on to 7 m with 10 kN/m on the 2 m beyond.
    FrameListing frame;
    frame.beam(3, 0, 0, 5, 0);
    const long cantilever = frame.beam(3, 5, 0, 7, 0);
    frame.column(0, 0, 0, 3);
    frame.column(5, 0, 0, 3);
    frame.text.memberLoad(std::to_string(cantilever), 10);
    const ListingDocument document = readFrame(frame.text);
    const Takedown takedown = takeDown(document);
    // 10 kN at the column, 10 kN at the tip, 2 m past it on a 5 m back span: 14 kN more on the
    // near column, 4 kN lifting the far one.
    EXPECT_NEAR(columnLoad(document, takedown, 3, 5, 0), 24, 1e-9);
    EXPECT_NEAR(columnLoad(document, takedown, 3, 0, 0), -4, 1e-9);
    const ColumnTakedown* far = takedown.columnBelow(2, {0, 0});
    ASSERT_NE(far, nullptr);
    ASSERT_EQ(far->inflows.size(), 1u);
    EXPECT_TRUE(far->inflows[0].cantilever);
    EXPECT_LT(far->inflows[0].fraction, 0);
}

TEST(LoadPaths, AJointOnTwoLinesRunningThroughItGivesHalfToEach) {
    // Two girders crossing at (4, 4) with no column there, each on columns at its ends; a
    // column-free crossing loaded by the four halves of the beams meeting at it.
    FrameListing frame;
    frame.beam(3, 0, 4, 4, 4);
    frame.beam(3, 4, 4, 8, 4);
    frame.beam(3, 4, 0, 4, 4);
    frame.beam(3, 4, 4, 4, 8);
    for (const auto& [x, z] : {std::pair{0.0, 4.0}, {8.0, 4.0}, {4.0, 0.0}, {4.0, 8.0}}) {
        frame.column(x, z, 0, 3);
    }
    frame.text.memberLoad("1 TO 4", 5);
    const ListingDocument document = readFrame(frame.text);
    const Takedown takedown = takeDown(document);
    // Each beam: 20 kN, 10 at each end. The crossing's 40 kN: half along each line, half of
    // that to each end of it.
    for (const auto& [x, z] : {std::pair{0.0, 4.0}, {8.0, 4.0}, {4.0, 0.0}, {4.0, 8.0}}) {
        EXPECT_NEAR(columnLoad(document, takedown, 3, x, z), 20, 1e-9) << x << ", " << z;
    }
}

TEST(LoadPaths, AColumnStandingOnABeamGoesIntoItsColumns) {
    // A column from 3 to 6 m stands at the middle of a 3 m level girder on two columns.
    FrameListing frame;
    frame.beam(3, 0, 0, 4, 0);
    frame.beam(3, 4, 0, 8, 0);
    frame.column(0, 0, 0, 3);
    frame.column(8, 0, 0, 3);
    frame.column(4, 0, 3, 6);
    frame.bay(6, 4, 0, 8, 4, false);
    frame.column(8, 0, 3, 6);
    frame.column(4, 4, 3, 6);
    frame.column(8, 4, 3, 6);
    frame.column(4, 4, 0, 3);
    frame.column(8, 4, 0, 3);
    frame.text.floorLoad(5.9, 6.1, 5);
    const ListingDocument document = readFrame(frame.text);
    const Takedown takedown = takeDown(document);
    // The 4 x 4 m bay puts 80 kN on its four corner columns, 20 each; the one at (4, 0) stands
    // at mid-span: 10 kN to each column of the girder.
    EXPECT_NEAR(columnLoad(document, takedown, 6, 4, 0), 20, 1e-9);
    EXPECT_NEAR(columnLoad(document, takedown, 3, 0, 0), 10, 1e-9);
    EXPECT_NEAR(columnLoad(document, takedown, 3, 8, 0), 30, 1e-9);
    const ColumnTakedown* standing = takedown.columnBelow(3, {400, 0});
    ASSERT_NE(standing, nullptr);
    EXPECT_EQ(takedown.stacks[standing->stack].end, StackEnd::OnBeams);
    EXPECT_TRUE(takedown.unsupported.empty());
}

}  // namespace
}  // namespace fp

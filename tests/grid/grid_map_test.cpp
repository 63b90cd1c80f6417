// Tests of the grid maps: cells start empty, each grid point has its own, points outside fail.
#include "grid/grid_map.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "model/listing_error.h"

namespace fp {
namespace {

// A cell of several flags, as the framing of a level keeps.
struct BeamEdges {
    bool minusZ = false;
    bool plusZ = false;
    bool plusX = false;
    bool minusX = false;
};

TEST(GridMap, EveryCellStartsEmpty) {
    const GridMap<int16_t> joints(100, 100, 100);
    const GridMap<BeamEdges> edges(100, 100, 100);
    for (const int line : {0, 1, 50, 100}) {
        EXPECT_EQ(joints.at(line, line, line), 0);
        EXPECT_EQ(joints.at(100, line, 1), 0);
        const BeamEdges& point = edges.at(line, 100, line);
        EXPECT_FALSE(point.minusZ || point.plusZ || point.plusX || point.minusX) << line;
    }
}

TEST(GridMap, CellsAreDistinct) {
    GridMap<int16_t> joints(3, 3, 3);
    GridMap<BeamEdges> edges(3, 3, 3);
    joints.at(1, 2, 3) = 7;
    edges.at(3, 2, 1).plusX = true;
    EXPECT_EQ(joints.at(3, 2, 1), 0);
    EXPECT_EQ(joints.at(2, 1, 3), 0);
    EXPECT_EQ(joints.at(1, 2, 3), 7);
    EXPECT_FALSE(edges.at(1, 2, 3).plusX);
    EXPECT_TRUE(edges.at(3, 2, 1).plusX);
    EXPECT_FALSE(edges.at(3, 2, 1).minusX);
}

TEST(GridMap, APointOutsideTheGridFails) {
    GridMap<int16_t> joints(100, 100, 100);
    EXPECT_NO_THROW(joints.at(100, 100, 100));
    EXPECT_THROW(joints.at(101, 1, 1), ListingError);
    EXPECT_THROW(joints.at(1, -1, 1), ListingError);
    EXPECT_THROW(joints.at(1, 1, 101), ListingError);
    const GridMap<BeamEdges> small(2, 3, 4);
    EXPECT_NO_THROW(small.at(2, 3, 4));
    EXPECT_THROW(small.at(3, 1, 1), ListingError);
    EXPECT_THROW(small.at(1, 4, 1), ListingError);
    EXPECT_THROW(small.at(1, 1, 5), ListingError);
    const GridMap<int16_t> none;
    EXPECT_THROW(none.at(0, 0, 0), ListingError);
}

}  // namespace
}  // namespace fp

// Tests of the value list: the count held in element 0 and the capacity bound.
#include "model/value_list.h"

#include <gtest/gtest.h>

#include <string>

#include "model/run_error.h"

namespace fp {
namespace {

TEST(ValueList, CountLivesInElementZeroAsAReal) {
    LoadValueList list("distinct member-load values");
    EXPECT_EQ(list.count(), 0);
    list.set(1, 12.5f);
    list.setCount(1);
    EXPECT_EQ(list[0], 1.0f);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list[1], 12.5f);
    list.set(0, 3.0f);
    EXPECT_EQ(list.count(), 3);
}

TEST(ValueList, ElementPastTheCapacityEndsTheRun) {
    LoadValueList intensities("distinct floor-load intensities");
    intensities.set(20, 1.0f);
    try {
        intensities.set(21, 2.0f);
        ADD_FAILURE();
    } catch (const RunEndingError& error) {
        EXPECT_EQ(error.statement(),
                  "The listing has more than 20 distinct floor-load intensities");
    }
    EXPECT_THROW(intensities[21], RunEndingError);
    EXPECT_THROW(intensities[-1], RunEndingError);

    GridList grid("distinct X coordinates");
    grid.set(100, 9360.0f);
    EXPECT_EQ(grid[100], 9360.0f);
    EXPECT_THROW(grid.set(101, 1.0f), RunEndingError);
}

}  // namespace
}  // namespace fp

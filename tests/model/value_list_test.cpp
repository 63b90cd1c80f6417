// Tests of the value lists: distinct values in order of first appearance, the limit, the sort.
#include "model/value_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/listing_error.h"
#include "model/records.h"

namespace fp {
namespace {

template <std::size_t Limit>
std::vector<float> valuesOf(const ValueList<Limit>& list) {
    return {list.begin(), list.end()};
}

TEST(ValueList, KeepsEachValueOnceInTheOrderOfFirstAppearance) {
    LoadValueList list("distinct floor-load intensities");
    EXPECT_TRUE(list.empty());
    list.addIfAbsent(5.0f);
    list.addIfAbsent(2.5f);
    list.addIfAbsent(5.0f);
    EXPECT_EQ(list.size(), 2u);
    list.addIfAbsent(3.0f);
    EXPECT_EQ(valuesOf(list), (std::vector<float>{5.0f, 2.5f, 3.0f}));
    EXPECT_EQ(list[1], 2.5f);
    EXPECT_TRUE(list.contains(3.0f));
    EXPECT_FALSE(list.contains(4.0f));
}

TEST(ValueList, ComparesAs32BitReals) {
    LoadValueList list("distinct member-load values");
    list.addIfAbsent(0.1f);
    list.addIfAbsent(static_cast<float>(0.1));
    list.addIfAbsent(0.1f + 1e-7f);
    EXPECT_EQ(list.size(), 2u);
}

TEST(ValueList, TwentyFirstDistinctIntensityEndsTheReading) {
    LoadValueList list("distinct floor-load intensities");
    for (int i = 1; i <= 20; ++i) {
        list.addIfAbsent(static_cast<float>(i));
    }
    list.addIfAbsent(7.0f);
    EXPECT_EQ(list.size(), 20u);
    try {
        list.addIfAbsent(21.0f);
        ADD_FAILURE();
    } catch (const ListingError& error) {
        EXPECT_EQ(error.statement(),
                  "The listing has more than 20 distinct floor-load intensities");
    }
    EXPECT_EQ(list.size(), 20u);
    EXPECT_EQ(list[19], 20.0f);
}

TEST(ValueList, HundredAndFirstGridValueEndsTheReading) {
    ValueList<kMaxGridLines> list("distinct X coordinates");
    for (int i = 1; i <= 100; ++i) {
        list.addIfAbsent(static_cast<float>(i * 50));
    }
    EXPECT_EQ(list.size(), 100u);
    EXPECT_EQ(list[99], 5000.0f);
    try {
        list.addIfAbsent(1.0f);
        ADD_FAILURE();
    } catch (const ListingError& error) {
        EXPECT_EQ(error.statement(), "The listing has more than 100 distinct X coordinates");
    }
    EXPECT_EQ(list.size(), 100u);
}

TEST(ValueList, SortingLeavesEmptyAndSingleValueListsAlone) {
    LoadValueList empty("intensities");
    empty.sortAscending();
    EXPECT_TRUE(empty.empty());

    LoadValueList single("intensities");
    single.addIfAbsent(9.0f);
    single.sortAscending();
    EXPECT_EQ(valuesOf(single), std::vector<float>{9.0f});
}

TEST(ValueList, SortsAscendingAndKeepsTheSize) {
    LoadValueList list("intensities");
    for (const float value : {3.0f, 1.0f, 2.0f}) {
        list.addIfAbsent(value);
    }
    list.sortAscending();
    EXPECT_EQ(valuesOf(list), (std::vector<float>{1.0f, 2.0f, 3.0f}));

    ValueList<kMaxGridLines> grid("distinct X coordinates");
    for (const float value : {500.0f, -100.0f, 2500.0f, 500.0f, 0.0f, 1200.0f, -3000.0f}) {
        grid.addIfAbsent(value);
    }
    grid.sortAscending();
    EXPECT_EQ(valuesOf(grid), (std::vector<float>{-3000, -100, 0, 500, 1200, 2500}));
    grid.addIfAbsent(-5000.0f);
    EXPECT_EQ(grid[6], -5000.0f) << "a value added after sorting goes to the end";
}

}  // namespace
}  // namespace fp

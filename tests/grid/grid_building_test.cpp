// Tests of the coordinate grid: distinct sorted lines per axis and the joint on each grid point.
#include <gtest/gtest.h>

#include <vector>

#include "grid/grid_derivation.h"
#include "grid/model_builder.h"

namespace fp {
namespace {

using testing::addJoint;

template <int Capacity>
std::vector<float> valuesOf(const ValueList<Capacity>& list) {
    std::vector<float> values;
    for (int i = 1; i <= list.count(); ++i) {
        values.push_back(list[i]);
    }
    return values;
}

TEST(AddGridValue, KeepsFirstAppearanceOrderAndIgnoresRepeats) {
    GridList list{"distinct X coordinates"};
    AddGridValue(list, 700);
    AddGridValue(list, -250);
    AddGridValue(list, 700);
    AddGridValue(list, 0);
    AddGridValue(list, -250);
    EXPECT_EQ(valuesOf(list), (std::vector<float>{700, -250, 0}));
    EXPECT_EQ(list[0], 3.0f);
}

TEST(AddGridValue, A101stDistinctValueEndsTheRun) {
    GridList list{"distinct X coordinates"};
    for (int16_t value = 1; value <= 100; ++value) {
        AddGridValue(list, value);
    }
    AddGridValue(list, 50);
    EXPECT_EQ(list.count(), 100);
    EXPECT_THROW(AddGridValue(list, 101), RunEndingError);
    EXPECT_EQ(list.count(), 100);
}

TEST(SortValueList, LeavesEmptyAndSingleValueListsAlone) {
    LoadValueList empty{"intensities"};
    empty.set(1, 9.0f);  // beyond the count: not part of the list
    empty.set(2, 4.0f);
    SortValueList(empty);
    EXPECT_EQ(empty[0], 0.0f);
    EXPECT_EQ(empty[1], 9.0f);
    EXPECT_EQ(empty[2], 4.0f);

    LoadValueList single{"intensities"};
    single.set(1, 9.0f);
    single.set(2, 4.0f);
    single.setCount(1);
    SortValueList(single);
    EXPECT_EQ(single[1], 9.0f);
    EXPECT_EQ(single[2], 4.0f);
}

TEST(SortValueList, SortsAscendingAndKeepsTheCount) {
    LoadValueList list{"intensities"};
    list.set(1, 3.0f);
    list.set(2, 1.0f);
    list.set(3, 2.0f);
    list.setCount(3);
    SortValueList(list);
    EXPECT_EQ(valuesOf(list), (std::vector<float>{1.0f, 2.0f, 3.0f}));
    EXPECT_EQ(list[0], 3.0f);

    GridList grid{"distinct X coordinates"};
    for (int16_t value : {500, -100, 2500, 500, 0, 1200, -3000}) {
        AddGridValue(grid, value);
    }
    SortValueList(grid);
    EXPECT_EQ(valuesOf(grid), (std::vector<float>{-3000, -100, 0, 500, 1200, 2500}));
}

TEST(BuildGrid, SortsTheDistinctCoordinatesOfEachAxis) {
    auto model = makeModelStore();
    addJoint(*model, 1, 1000, 300, 0);
    addJoint(*model, 2, 0, 0, 800);
    addJoint(*model, 3, 500, 300, 400);
    addJoint(*model, 4, 1000, 600, 800);
    BuildGrid(*model);
    EXPECT_EQ(valuesOf(model->GridX), (std::vector<float>{0, 500, 1000}));
    EXPECT_EQ(valuesOf(model->GridY), (std::vector<float>{0, 300, 600}));
    EXPECT_EQ(valuesOf(model->GridZ), (std::vector<float>{0, 400, 800}));

    EXPECT_EQ(model->NodeGrid.at(3, 2, 1), 1);
    EXPECT_EQ(model->NodeGrid.at(1, 1, 3), 2);
    EXPECT_EQ(model->NodeGrid.at(2, 2, 2), 3);
    EXPECT_EQ(model->NodeGrid.at(3, 3, 3), 4);
    EXPECT_EQ(model->NodeGrid.at(1, 1, 1), 0);
    EXPECT_EQ(model->NodeGrid.at(3, 2, 3), 0);
}

TEST(BuildGrid, OfSeveralJointsAtOnePointTheLatestRowWins) {
    auto model = makeModelStore();
    addJoint(*model, 5, 0, 0, 0);
    addJoint(*model, 9, 100, 0, 0);
    addJoint(*model, 30, 0, 0, 0);
    addJoint(*model, 2, 0, 0, 0);
    BuildGrid(*model);
    EXPECT_EQ(model->GridX.count(), 2);
    EXPECT_EQ(model->NodeGrid.at(1, 1, 1), 2);
    EXPECT_EQ(model->NodeGrid.at(2, 1, 1), 9);
}

TEST(BuildGrid, CoordinatesOneHundredthApartLieOnDifferentLines) {
    auto model = makeModelStore();
    addJoint(*model, 1, 500, 0, 0);
    addJoint(*model, 2, 501, 0, 0);
    addJoint(*model, 3, 500, 0, 0);
    BuildGrid(*model);
    EXPECT_EQ(valuesOf(model->GridX), (std::vector<float>{500, 501}));
    EXPECT_EQ(model->NodeGrid.at(1, 1, 1), 3);
    EXPECT_EQ(model->NodeGrid.at(2, 1, 1), 2);
}

TEST(BuildGrid, AJointAtMidHeightOfAColumnAddsALevel) {
    auto model = makeModelStore();
    addJoint(*model, 1, 0, 0, 0);
    addJoint(*model, 2, 0, 350, 0);
    addJoint(*model, 3, 0, 175, 0);
    addJoint(*model, 4, 600, 350, 0);
    BuildGrid(*model);
    EXPECT_EQ(valuesOf(model->GridY), (std::vector<float>{0, 175, 350}));
    EXPECT_EQ(model->NodeGrid.at(1, 2, 1), 3);
}

TEST(BuildGrid, AModelWithoutJointsHasAnEmptyGrid) {
    auto model = makeModelStore();
    BuildGrid(*model);
    DeriveFrames(*model);
    EXPECT_EQ(model->GridX.count(), 0);
    EXPECT_EQ(model->GridY.count(), 0);
    EXPECT_EQ(model->GridZ.count(), 0);
}

TEST(BuildGrid, NegativeAndExtremeCoordinatesFindTheirLines) {
    auto model = makeModelStore();
    addJoint(*model, 1, 32767, -32768, 0);
    addJoint(*model, 2, -32768, 32767, -1);
    BuildGrid(*model);
    EXPECT_EQ(model->NodeGrid.at(2, 1, 2), 1);
    EXPECT_EQ(model->NodeGrid.at(1, 2, 1), 2);
}

}  // namespace
}  // namespace fp

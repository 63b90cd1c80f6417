// Tests of the model store: bounds of the fixed tables, zero start and the store's size.
#include "model/model_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/run_error.h"

namespace fp {
namespace {

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunEndingError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(ModelStore, FitsInSixteenMegabytes) {
    EXPECT_LE(sizeof(ModelStore), 16u * 1024 * 1024);
}

TEST(ModelStore, StartsZeroFilled) {
    const auto store = makeModelStore();
    EXPECT_EQ(store->JointCount, 0);
    EXPECT_EQ(store->MemberCount, 0);
    EXPECT_EQ(store->GridX.count(), 0);
    EXPECT_EQ(store->FloorIntensityList.count(), 0);
    EXPECT_EQ(store->JointTable.at(9000, 3), 0);
    EXPECT_EQ(store->MemberTable.at(9000, 4), 0);
    EXPECT_EQ(store->NodeGrid.at(100, 100, 100), 0);
    EXPECT_EQ(store->PanelEdgeGrid.at(100, 100, 100).MinusX, 0);
    EXPECT_TRUE(store->FloorLoadTable.at(1000).CaseTitle.empty());
}

TEST(ModelStore, RowPastTheLastEndsTheRunNamingTheTable) {
    const auto store = makeModelStore();
    store->JointTable.at(9000, 0) = 9000;
    EXPECT_EQ(messageOf([&] { store->JointTable.at(9001, 0) = 1; }),
              "The listing has more than 9000 joints. FramePlan holds at most 9000 joints.");
    const std::string members = messageOf([&] { store->MemberTable.at(9001, 1) = 1; });
    EXPECT_NE(members.find("9000 members"), std::string::npos) << members;
    const std::string designs = messageOf([&] { store->BeamDesignTable.at(2501, 1) = 1; });
    EXPECT_NE(designs.find("2500 beam design blocks"), std::string::npos) << designs;
    const std::string loads = messageOf([&] { store->FloorLoadTable.at(1001).Intensity = 1; });
    EXPECT_NE(loads.find("1000 floor loads"), std::string::npos) << loads;
    const std::string panels = messageOf([&] { store->PanelTable.at(201, 1) = 1; });
    EXPECT_NE(panels.find("200 panels"), std::string::npos) << panels;
}

TEST(ModelStore, ColumnsAndGridPointsAreBounded) {
    const auto store = makeModelStore();
    EXPECT_THROW(store->JointTable.at(1, 4), RunEndingError);
    EXPECT_THROW(store->JointTable.at(1, -1), RunEndingError);
    EXPECT_THROW(store->NodeGrid.at(101, 1, 1), RunEndingError);
    EXPECT_THROW(store->XBeamGrid.at(1, -1, 1), RunEndingError);
    EXPECT_THROW(store->PanelEdgeGrid.at(1, 1, 101), RunEndingError);
}

TEST(ModelStore, GridMapCellsAreDistinct) {
    const auto store = makeModelStore();
    store->NodeGrid.at(1, 2, 3) = 7;
    store->PanelEdgeGrid.at(3, 2, 1).PlusX = kTrue;
    EXPECT_EQ(store->NodeGrid.at(3, 2, 1), 0);
    EXPECT_EQ(store->NodeGrid.at(2, 1, 3), 0);
    EXPECT_EQ(store->NodeGrid.at(1, 2, 3), 7);
    EXPECT_EQ(store->PanelEdgeGrid.at(1, 2, 3).PlusX, 0);
    EXPECT_EQ(store->PanelEdgeGrid.at(3, 2, 1).PlusX, kTrue);
}

}  // namespace
}  // namespace fp

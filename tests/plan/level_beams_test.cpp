// The beams of a level as the dump lists them: design row, member, printed length, start joint.
#include "plan/level_beams.h"

#include <gtest/gtest.h>

namespace fp {
namespace {

TEST(BeamsOfLevel, CarryTheDesignRowAndStartJointOfEachBeam) {
    auto model = makeModelStore();
    model->GridX.set(1, 0);
    model->GridX.set(2, 500);
    model->GridX.setCount(2);
    model->GridZ.set(1, 0);
    model->GridZ.set(2, 400);
    model->GridZ.setCount(2);
    model->BeamDesignTable.at(1, 1) = 12;
    model->BeamDesignTable.at(1, 2) = 4500;
    model->BeamDesignTable.at(2, 1) = 31;
    model->BeamDesignTable.at(2, 2) = 4000;
    model->BeamDesignCount = 2;
    model->NodeGrid.at(2, 3, 1) = 5;
    model->ZBeamGrid.at(2, 3, 1) = 2;
    model->NodeGrid.at(1, 3, 2) = 4;
    model->XBeamGrid.at(1, 3, 2) = 1;
    // A beam entry where no joint sits is not a beam of the plan.
    model->XBeamGrid.at(1, 3, 1) = 2;

    const auto beams = beamsOfLevel(*model, 3);
    ASSERT_EQ(beams.size(), 2u);
    EXPECT_EQ(beams[0].direction, BeamDirection::PlusX);
    EXPECT_EQ(beams[0].designRow, 1);
    EXPECT_EQ(beams[0].member, 12);
    EXPECT_EQ(beams[0].lengthMm, 4500);
    EXPECT_FLOAT_EQ(beams[0].x, 0);
    EXPECT_FLOAT_EQ(beams[0].z, 400);
    EXPECT_EQ(beams[1].direction, BeamDirection::PlusZ);
    EXPECT_EQ(beams[1].member, 31);
    EXPECT_FLOAT_EQ(beams[1].x, 500);
    EXPECT_FLOAT_EQ(beams[1].z, 0);

    EXPECT_TRUE(beamsOfLevel(*model, 2).empty());
}

}  // namespace
}  // namespace fp

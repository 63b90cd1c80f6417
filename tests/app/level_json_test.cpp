// The beams and panels of a level in the dump: fields, order and the label lines.
#include "app/level_json.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/one_bay_model.h"

namespace fp {
namespace {

constexpr int kLevel = testing::kBayLevel;

// One 5 m by 4 m bay at 3 m, closed by four beams, with one floor load of 5 in case "2".
std::unique_ptr<ModelStore> loadedBay() {
    auto model = testing::oneClosedBay({12, 13, 14, 15}, {5000, 4000, 4000, 4990});
    FloorLoadRow& load = model->FloorLoadTable.at(1);
    load.CaseTitle = "2";
    load.Intensity = 5;
    load.Y1 = 2.9f;
    load.Y2 = 3.1f;
    load.X1 = -0.01f;
    load.X2 = 5.01f;
    load.Z1 = -0.01f;
    load.Z2 = 4.01f;
    model->FloorLoadCount = 1;
    model->FloorIntensityList.set(1, 5);
    model->FloorIntensityList.setCount(1);
    return model;
}

TEST(LevelJson, BeamsInSerialOrderWithTheirDesignRows) {
    auto model = loadedBay();
    std::ostringstream out;
    writeLevelBeams(out, *model, kLevel);
    EXPECT_EQ(out.str(),
              "[{\"serial\": 1, \"dir\": \"X\", \"row\": 1, \"member\": 12, \"length\": 5000, "
              "\"x\": 0, \"z\": 0}, "
              "{\"serial\": 2, \"dir\": \"Z\", \"row\": 2, \"member\": 13, \"length\": 4000, "
              "\"x\": 0, \"z\": 0}, "
              "{\"serial\": 3, \"dir\": \"X\", \"row\": 4, \"member\": 15, \"length\": 4990, "
              "\"x\": 0, \"z\": 400}, "
              "{\"serial\": 4, \"dir\": \"Z\", \"row\": 3, \"member\": 14, \"length\": 4000, "
              "\"x\": 500, \"z\": 0}]");
    std::ostringstream lowest;
    writeLevelBeams(lowest, *model, 1);
    EXPECT_EQ(lowest.str(), "[]");
}

TEST(LevelJson, PanelsWithLoadsAndTheLinesTheDisplayWrites) {
    auto model = loadedBay();
    std::ostringstream out;
    writeLevelPanels(out, *model, kLevel);
    EXPECT_EQ(out.str(),
              "[{\"ix\": 1, \"iz\": 1, \"ix2\": 2, \"iz2\": 2, \"spanX\": 500, \"spanZ\": 400, "
              "\"loads\": [{\"intensity\": 5, \"caseTitle\": \"2\"}], "
              "\"lines\": [\"5 (2)\", \"500 X 400\"]}]");
    std::ostringstream lowest;
    writeLevelPanels(lowest, *model, 1);
    EXPECT_EQ(lowest.str(), "[]");
}

}  // namespace
}  // namespace fp

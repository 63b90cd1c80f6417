// A level's drawing: the plan always, the floor-load labels over it in floor-load mode only.
#include "panels/level_rendering.h"

#include <gtest/gtest.h>

#include "support/one_bay_model.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

constexpr int16_t kLevel = testing::kBayLevel;

// One 5 m by 4 m bay closed by four beams, and no floor loads.
std::unique_ptr<ModelStore> oneBay() {
    return testing::oneClosedBay({10, 20, 30, 40}, {5000, 4000, 4000, 5000});
}

std::vector<std::string> printedTexts(const test::RecordingSurface& surface) {
    std::vector<std::string> texts;
    for (const auto& print : surface.prints()) {
        texts.push_back(print.text);
    }
    return texts;
}

TEST(RenderLevel, FloorLoadModeWritesPanelLabelsOverThePlan) {
    auto model = oneBay();
    test::RecordingSurface surface;
    BeamBoxes boxes;
    renderLevel(*model, surface, ViewState{}, kLevel, boxes, '.');
    EXPECT_EQ(boxes.BeamBoxCount, 4);
    EXPECT_EQ(printedTexts(surface), (std::vector<std::string>{"1", "2", "3", "4", "0 X 0"}));
    EXPECT_EQ(model->PanelCount, 1);
}

TEST(RenderLevel, MemberLoadModeDrawsThePlanOnly) {
    auto model = oneBay();
    test::RecordingSurface surface;
    BeamBoxes boxes;
    ViewState view;
    view.memberLoadMode = true;
    view.beamNumbers = kTicked;
    renderLevel(*model, surface, view, kLevel, boxes, '.');
    EXPECT_EQ(printedTexts(surface),
              (std::vector<std::string>{"B: 10", "1", "B: 20", "2", "B: 40", "3", "B: 30", "4"}));
    EXPECT_EQ(surface.calls().front().kind, test::RecordingSurface::Kind::Clear);
}

}  // namespace
}  // namespace fp

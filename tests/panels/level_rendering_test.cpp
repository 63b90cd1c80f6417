// A level's drawing: the plan always, the floor-load labels over it in floor-load mode only.
#include "panels/level_rendering.h"

#include <gtest/gtest.h>

#include "support/recording_surface.h"

namespace fp {
namespace {

constexpr int16_t kLevel = 2;

// One 5 m by 4 m bay closed by four beams, and no floor loads.
std::unique_ptr<ModelStore> oneBay() {
    auto model = makeModelStore();
    model->GridX.set(1, 0);
    model->GridX.set(2, 500);
    model->GridX.setCount(2);
    model->GridY.set(1, 0);
    model->GridY.set(2, 300);
    model->GridY.setCount(2);
    model->GridZ.set(1, 0);
    model->GridZ.set(2, 400);
    model->GridZ.setCount(2);
    const int16_t lengths[] = {5000, 4000, 4000, 5000};
    for (int16_t row = 1; row <= 4; ++row) {
        model->BeamDesignTable.at(row, 1) = row * 10;
        model->BeamDesignTable.at(row, 2) = lengths[row - 1];
    }
    model->BeamDesignCount = 4;
    int16_t joint = 0;
    for (int ix = 1; ix <= 2; ++ix) {
        for (int iz = 1; iz <= 2; ++iz) {
            model->NodeGrid.at(ix, kLevel, iz) = ++joint;
        }
    }
    model->XBeamGrid.at(1, kLevel, 1) = 1;
    model->ZBeamGrid.at(1, kLevel, 1) = 2;
    model->ZBeamGrid.at(2, kLevel, 1) = 3;
    model->XBeamGrid.at(1, kLevel, 2) = 4;
    auto& edges = model->PanelEdgeGrid;
    edges.at(1, kLevel, 1).PlusX = edges.at(1, kLevel, 1).PlusZ = kTrue;
    edges.at(2, kLevel, 1).MinusX = edges.at(2, kLevel, 1).PlusZ = kTrue;
    edges.at(1, kLevel, 2).PlusX = edges.at(1, kLevel, 2).MinusZ = kTrue;
    edges.at(2, kLevel, 2).MinusX = edges.at(2, kLevel, 2).MinusZ = kTrue;
    return model;
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

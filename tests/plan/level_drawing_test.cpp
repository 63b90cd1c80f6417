// A level's drawing: the plan always, the floor-load labels over it in floor-load mode only.
#include "plan/level_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

// One 5 m by 4 m bay closed by four beams, and no floor loads.
ListingDocument oneBay() {
    return testing::oneClosedBay({10, 20, 30, 40}, {5000, 4000, 4000, 5000}).build();
}

std::vector<std::string> writtenTexts(const test::RecordingSurface& surface) {
    std::vector<std::string> texts;
    for (const auto& text : surface.texts()) {
        texts.push_back(text.text);
    }
    return texts;
}

TEST(DrawLevel, FloorLoadModeWritesPanelLabelsOverThePlan) {
    test::RecordingSurface surface;
    PlanView view;
    view.level = testing::kBayLevel;
    view.gridLines = false;
    view.designedLabelPositions = true;
    const PickBoxes boxes = drawLevel(oneBay(), view, surface).boxes;
    EXPECT_EQ(boxes.size(), 4u);
    EXPECT_EQ(writtenTexts(surface),
              (std::vector<std::string>{"1", "2", "3", "4", "no floor load", "500 X 400"}));
}

TEST(DrawLevel, MemberLoadModeDrawsThePlanOnly) {
    test::RecordingSurface surface;
    PlanView view;
    view.level = testing::kBayLevel;
    view.gridLines = false;
    view.designedLabelPositions = true;
    view.mode = LoadMode::Member;
    view.memberNumbers = true;
    const PickBoxes boxes = drawLevel(oneBay(), view, surface).boxes;
    EXPECT_EQ(boxes.size(), 4u);
    EXPECT_EQ(writtenTexts(surface),
              (std::vector<std::string>{"B: 10", "1", "B: 20", "2", "B: 40", "3", "B: 30", "4"}));
    EXPECT_EQ(surface.calls().front().kind, test::RecordingSurface::Kind::Clear);
}

}  // namespace
}  // namespace fp

// Tests of the floor-load labels written at the centre of each panel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/grid_derivation.h"
#include "panels/floor_load_display.h"
#include "panels/floor_load_labels.h"
#include "panels/level_frame.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using testing::addFloorLoad;
using Surface = test::RecordingSurface;

struct Written {
    std::string text;
    double left;
    double top;
    bool operator==(const Written&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Written& written) {
    return out << "\"" << written.text << "\" at (" << written.left << ", " << written.top << ")";
}

// One 5 m x 4 m panel on level 2 (3 m), so its centre is at (250, 200). The recording surface's
// characters are 10 wide and its lines 20 high: a text of n characters centred on 250 starts at
// 250 - 5n, and the first line's top is 200 - 40 + 20 = 180.
class FloorLoadLabels : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::LevelFrame frame(*model, 2, 2);
        frame.allNeighbourBeams();
        frame.derive();
        for (float intensity : {3.5f, 5.0f}) {
            model->FloorIntensityList.set(model->FloorIntensityList.count() + 1, intensity);
            model->FloorIntensityList.setCount(model->FloorIntensityList.count() + 1);
        }
        view.intensityBoxes.fill(kUnticked);
        view.intensityBoxes[1] = kTicked;
        view.intensityBoxes[2] = kTicked;
    }

    std::vector<Written> show(char decimalSeparator = '.') {
        Surface surface;
        ShowFloorLoads(*model, surface, view, 2, decimalSeparator);
        std::vector<Written> written;
        for (const auto& call : surface.prints()) {
            written.push_back({call.text, call.x1, call.z1});
        }
        return written;
    }

    static Written line(std::string text, int k) {
        const double left = 250 - 5.0 * static_cast<double>(text.size());
        return {std::move(text), left, 160.0 + 20 * k};
    }

    std::unique_ptr<ModelStore> model = makeModelStore();
    ViewState view;
};

TEST_F(FloorLoadLabels, APanelWithoutLoadsShowsZeroSpansALineAboveTheCentre) {
    EXPECT_EQ(show(), (std::vector<Written>{line("0 X 0", 1)}));
    EXPECT_EQ(model->PanelLoadRecord.LoadCount, 0);
}

TEST_F(FloorLoadLabels, ShowsEachTickedLoadWithItsCaseThenTheSpans) {
    addFloorLoad(*model, "2", 5, 0, 10, 0, 5, 0, 4);
    addFloorLoad(*model, "1", 3.5f, 0, 10, 0, 5, 0, 4);
    EXPECT_EQ(show(),
              (std::vector<Written>{line("5 (2)", 1), line("3.5 (1)", 2), line("500 X 400", 3)}));
    EXPECT_EQ(model->PanelLoadRecord.LoadCount, 2);
    EXPECT_EQ(model->PanelCount, 1);
}

TEST_F(FloorLoadLabels, WithoutLoadTypeTheCaseIsLeftOut) {
    addFloorLoad(*model, "2", 5, 0, 10, 0, 5, 0, 4);
    view.loadType = kUnticked;
    EXPECT_EQ(show(), (std::vector<Written>{line("5", 1), line("500 X 400", 2)}));
    view.loadType = kGrey;
    EXPECT_EQ(show(), (std::vector<Written>{line("5", 1), line("500 X 400", 2)}));
}

TEST_F(FloorLoadLabels, UntickedAndGreyIntensitiesAreNotShown) {
    addFloorLoad(*model, "1", 3.5f, 0, 10, 0, 5, 0, 4);
    addFloorLoad(*model, "2", 5, 0, 10, 0, 5, 0, 4);
    view.intensityBoxes[1] = kUnticked;
    EXPECT_EQ(show(), (std::vector<Written>{line("5 (2)", 1), line("500 X 400", 2)}));
    view.intensityBoxes[1] = kGrey;
    EXPECT_EQ(show(), (std::vector<Written>{line("5 (2)", 1), line("500 X 400", 2)}));
    view.intensityBoxes[2] = kUnticked;
    EXPECT_EQ(show(), (std::vector<Written>{line("500 X 400", 1)}));
}

TEST_F(FloorLoadLabels, AnIntensityMissingFromTheListIsNotShown) {
    addFloorLoad(*model, "1", 4, 0, 10, 0, 5, 0, 4);
    EXPECT_FALSE(IsIntensityShown(*model, view, 4));
    EXPECT_EQ(show(), (std::vector<Written>{line("500 X 400", 1)}));
}

TEST_F(FloorLoadLabels, TwoLoadsOfOneIntensityAreBothShown) {
    addFloorLoad(*model, "DL", 5, 0, 10, 0, 5, 0, 4);
    addFloorLoad(*model, "LL", 5, 0, 10, 0, 5, 0, 4);
    EXPECT_EQ(show(),
              (std::vector<Written>{line("5 (DL)", 1), line("5 (LL)", 2), line("500 X 400", 3)}));
}

TEST_F(FloorLoadLabels, NumbersUseTheGivenDecimalSeparator) {
    addFloorLoad(*model, "1", 3.5f, 0, 10, 0, 5, 0, 4);
    EXPECT_EQ(show(','), (std::vector<Written>{line("3,5 (1)", 1), line("500 X 400", 2)}));
}

TEST_F(FloorLoadLabels, TheLabelLinesAreTheTextsWritten) {
    addFloorLoad(*model, "2", 5, 0, 10, 0, 5, 0, 4);
    addFloorLoad(*model, "1", 3.5f, 0, 10, 0, 5, 0, 4);
    view.intensityBoxes[1] = kUnticked;
    show();
    EXPECT_EQ(panelLabelLines(*model, view, model->PanelLoadRecord),
              (std::vector<std::string>{"5 (2)", "500 X 400"}));
}

TEST(FloorLoadDisplay, LabelsEveryPanelAtItsOwnCentre) {
    auto model = makeModelStore();
    testing::LevelFrame frame(*model, 3, 2, 500, 300);
    frame.allNeighbourBeams();
    frame.derive();
    Surface surface;
    surface.setOwnMetrics(8, 12.5);
    ShowFloorLoads(*model, surface, ViewState{}, 2);
    const auto prints = surface.prints();
    ASSERT_EQ(prints.size(), 2u);
    // "0 X 0" is 40 wide; the tops are 150 - 2 * 12.5 + 12.5.
    EXPECT_EQ(prints[0].x1, 230);
    EXPECT_EQ(prints[1].x1, 730);
    EXPECT_EQ(prints[0].z1, 137.5);
    EXPECT_EQ(prints[1].z1, 137.5);
}

}  // namespace
}  // namespace fp

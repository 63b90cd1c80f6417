// Tests of the floor-load labels written at the centre of each panel.
#include "plan/panel_labels.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "plan/label_drawing.h"
#include "plan/label_search.h"
#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

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

constexpr int kLevel = 2;

// One 5 m x 4 m panel on level 2 (3 m), so its centre is at (250, 200). The recording surface's
// characters are 10 wide and its lines 20 high: a text of n characters centred on 250 starts at
// 250 - 5n, and the first line's top is 200 - 40 + 20 = 180.
class PanelLabels : public ::testing::Test {
  protected:
    PanelLabels() {
        frame.allNeighbourBeams();
        view.level = kLevel;
        view.shownIntensities = {3.5f, 5.0f};
    }

    // Ranges in metres that cover the panel.
    void addLoad(const char* caseNumber, float intensity) {
        frame.builder.floorLoad(caseNumber, intensity, 0, 10, 0, 5, 0, 4);
    }

    std::vector<Written> show() {
        const ListingDocument document = frame.builder.build();
        Surface surface;
        PlanLabels labels;
        drawPanels(document, view, surface, labels);
        drawLabels(labels, designedLayout(labels), surface);
        std::vector<Written> written;
        for (const auto& call : surface.texts()) {
            written.push_back({call.text, call.x1, call.z1});
        }
        return written;
    }

    LevelPanel theOnlyPanel() {
        const ListingDocument document = frame.builder.build();
        const std::vector<LevelPanel>& panels = document.level(kLevel).panels;
        EXPECT_EQ(panels.size(), 1u);
        return panels.at(0);
    }

    static Written line(std::string text, int k) {
        const double left = 250 - 5.0 * static_cast<double>(text.size());
        return {std::move(text), left, 160.0 + 20 * k};
    }

    testing::LevelFrame frame{2, 2};
    PlanView view;
};

// A 5 m × 4 m panel without loads is never labelled "0 X 0".
TEST_F(PanelLabels, APanelWithoutLoadsSaysSoAboveItsTrueSpans) {
    EXPECT_EQ(show(), (std::vector<Written>{line("no floor load", 1), line("500 X 400", 2)}));
    EXPECT_TRUE(theOnlyPanel().loads.empty());
}

TEST_F(PanelLabels, APanelWhoseLoadsAreAllHiddenGivesItsSpansAlone) {
    addLoad("1", 2);
    EXPECT_EQ(show(), (std::vector<Written>{line("500 X 400", 1)}));
}

TEST_F(PanelLabels, ShowsEachShownLoadWithItsCaseThenTheSpans) {
    addLoad("2", 5);
    addLoad("1", 3.5f);
    EXPECT_EQ(show(),
              (std::vector<Written>{line("5 (2)", 1), line("3.5 (1)", 2), line("500 X 400", 3)}));
    EXPECT_EQ(theOnlyPanel().loads.size(), 2u);
}

TEST_F(PanelLabels, WithoutLoadCaseTitlesTheCaseIsLeftOut) {
    addLoad("2", 5);
    view.loadCaseNumbers = false;
    EXPECT_EQ(show(), (std::vector<Written>{line("5", 1), line("500 X 400", 2)}));
}

TEST_F(PanelLabels, IntensitiesTheViewDoesNotShowAreLeftOut) {
    addLoad("1", 3.5f);
    addLoad("2", 5);
    view.shownIntensities = {5.0f};
    EXPECT_EQ(show(), (std::vector<Written>{line("5 (2)", 1), line("500 X 400", 2)}));
    view.shownIntensities.clear();
    EXPECT_EQ(show(), (std::vector<Written>{line("500 X 400", 1)}));
}

TEST_F(PanelLabels, AnIntensityMissingFromTheViewIsNotShown) {
    addLoad("1", 4);
    EXPECT_FALSE(view.showsIntensity(4));
    EXPECT_EQ(show(), (std::vector<Written>{line("500 X 400", 1)}));
}

TEST_F(PanelLabels, TwoLoadsOfOneIntensityAreBothShown) {
    addLoad("DL", 5);
    addLoad("LL", 5);
    EXPECT_EQ(show(),
              (std::vector<Written>{line("5 (DL)", 1), line("5 (LL)", 2), line("500 X 400", 3)}));
}

TEST_F(PanelLabels, NumbersUseTheViewsDecimalSeparator) {
    addLoad("1", 3.5f);
    view.decimalSeparator = ',';
    EXPECT_EQ(show(), (std::vector<Written>{line("3,5 (1)", 1), line("500 X 400", 2)}));
}

TEST_F(PanelLabels, TheLabelLinesAreTheTextsWritten) {
    addLoad("2", 5);
    addLoad("1", 3.5f);
    view.shownIntensities = {5.0f};
    const std::vector<std::string> lines = panelLabelLines(theOnlyPanel(), view);
    EXPECT_EQ(lines, (std::vector<std::string>{"5 (2)", "500 X 400"}));
    std::vector<std::string> written;
    for (const Written& text : show()) {
        written.push_back(text.text);
    }
    EXPECT_EQ(written, lines);
}

TEST(WritePanelLabels, LabelsEveryPanelAtItsOwnCentre) {
    testing::LevelFrame frame(3, 2, 500, 300);
    frame.allNeighbourBeams();
    Surface surface;
    surface.setOwnMetrics(8, 12.5);
    PlanView view;
    view.level = kLevel;
    PlanLabels labels;
    drawPanels(frame.builder.build(), view, surface, labels);
    drawLabels(labels, designedLayout(labels), surface);
    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 4u);
    // "no floor load" is 104 wide and "500 X 300" 72; the tops are 150 - 2 * 12.5 + 12.5, and
    // one line lower.
    EXPECT_EQ(texts[0].x1, 198);
    EXPECT_EQ(texts[1].x1, 214);
    EXPECT_EQ(texts[2].x1, 698);
    EXPECT_EQ(texts[0].z1, 137.5);
    EXPECT_EQ(texts[1].z1, 150);
    EXPECT_EQ(texts[2].z1, 137.5);
}

}  // namespace
}  // namespace fp

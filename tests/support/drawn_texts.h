// Test helper: the texts an output drew, read back with the boxes they cover on it, sorted into
// the slab panels they stand in. The panels are placed through the grid bubbles drawn, so that a
// reading depends on what was drawn and not on the drawing's own frame.
#pragma once

#include <string>
#include <vector>

#include "plan/plan_view.h"
#include "structure/grid_names.h"
#include "structure/level_model.h"

namespace fp::test {

// A text and the box it covers, in the output's units, y growing downward.
struct DrawnText {
    std::string text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Whether the two boxes share more than `hair` across.
bool covers(const DrawnText& a, const DrawnText& b, double hair);

// Where the bubbles of `names` stand, in their order: the texts that are exactly those names,
// one each, on a common row (`column` false: their centres along it) or column. Empty when no
// row or column holds them all.
std::vector<double> bubbleCentres(const std::vector<DrawnText>& texts,
                                  const std::vector<std::string>& names, bool column);

// From hundredths of a metre along the grid's `lines` to the output along their bubbles.
double alongBubbles(double at, const std::vector<float>& lines, const std::vector<double>& centres);

// The boxes of the level's panels on the output, placed through the bubbles of its grid `lines`
// found there; empty when they are not all found.
std::vector<DrawnText> panelsAlongBubbles(const std::vector<DrawnText>& texts,
                                          const LevelModel& level, const GridLineSet& lines);

// The texts sorted by the panels (boxes in the output's units) they stand in whole. A text of
// digits alone is a beam's serial number, or the lower half of a narrow panel's stacked spans:
// kept apart, and across an edge only a serial's place.
struct PanelTexts {
    // Per panel, the texts inside it, and those of digits alone.
    std::vector<std::vector<std::string>> found;
    std::vector<std::vector<std::string>> numbers;
    // The texts inside no panel: the key, the note, the bubbles and titles.
    std::vector<std::string> outside;
    // Texts that stand across a panel's edge.
    std::vector<std::string> across;
    // Whether a note says some texts are not shown.
    bool noteDrawn = false;
};
PanelTexts sortIntoPanels(const std::vector<DrawnText>& texts, const std::vector<DrawnText>& panels,
                          double hair);

// What is wrong with the texts of panel `index` as its label (see judgePanel()), taking in one
// of its texts of digits alone where the label needs it.
std::string judgeSortedPanel(const PanelTexts& sorted, std::size_t index, const LevelPanel& panel,
                             const PlanView& view, bool spansRequired);

}  // namespace fp::test

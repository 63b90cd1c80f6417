// The changes of one level drawn over its plan: beams and panels added, removed (dashed, in
// their old place) or changed, each in its own colour.
#pragma once

#include <array>
#include <string>

#include "compare/listing_comparison.h"
#include "plan/surface.h"

namespace fp {

enum class ChangeMark { Added, Removed, Changed };

// The stroke each mark is drawn with.
Stroke changeStroke(ChangeMark mark);

struct ChangeLegendEntry {
    ChangeMark mark;
    const char* text;
};

// "added", "removed (dashed, where it was)", "changed": the legend of the marks, in that order.
const std::array<ChangeLegendEntry, 3>& changeLegend();

// Draws the marks of `level` on a surface whose scale the plan has set: a line along each beam
// that changed, and a frame inside each panel that changed. A level not compared draws nothing.
void drawChangeMarks(const LevelComparison& level, Surface& surface);

}  // namespace fp

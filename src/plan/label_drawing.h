// Writing a plan's labels where a layout puts them.
#pragma once

#include "plan/label_layout.h"
#include "plan/plan_labels.h"
#include "plan/surface.h"

namespace fp {

// Writes every label placed, in its form and at its place and size, in the order registered:
// a callout's number in its place, the warning sign standing on a label with it; then the key
// lines and the note the layout found room for. Each text goes in its label's part; the surface's
// own font is in place before and after.
void drawLabels(const PlanLabels& labels, const LabelLayout& layout, Surface& surface);

}  // namespace fp

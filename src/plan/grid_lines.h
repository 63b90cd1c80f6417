// The grid lines of a level drawn with their named bubbles.
#pragma once

#include "document/grid_names.h"
#include "document/listing_document.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// The lines thin and dash-dotted across the level and beyond it, each with its name in a circle
// at both ends, outside the plan. Nothing when the view hides the grid.
void drawGridLines(const ListingDocument& document, const PlanView& view, Surface& surface);

}  // namespace fp

// The grid lines of a level drawn as on architects' drawings: thin and dash-dotted, with a bubble
// at each end naming the line as the building names it.
#pragma once

#include "document/listing_document.h"
#include "plan/plan_frame.h"
#include "plan/plan_labels.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// The lines of the level's joints, thin and dash-dotted across the level and beyond it, each with
// a bubble at both ends, outside the plan. The names are registered with `labels`, each to stand
// in its bubble, and the lines and bubbles as what other texts keep clear of. Nothing when the
// view hides the grid.
void drawGridLines(const ListingDocument& document, const PlanView& view, Surface& surface,
                   PlanLabels& labels);

// The room the bubbles take beyond the outermost lines, on each side, in the units of the
// surface as it is scaled now (a surface scaled to its device's own units gives it in those).
// None when the view hides the grid.
FrameRoom bubbleRoom(const PlanView& view, Surface& surface);

}  // namespace fp

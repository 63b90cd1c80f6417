// What the check of a listing marks on a plan: a warning sign over the label of every panel with
// a warning, and the place of the finding chosen, outlined in dashes.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"
#include "plan/plan_rect.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// Whether the view puts a warning sign on a panel for the finding: in floor-load mode, while the
// view marks checks, a warning about a panel of the view's level.
bool signedOnPlan(const Finding& finding, const PlanView& view);

// The panels of the view's level that one or more of the findings put a warning sign on, each
// once.
std::vector<PanelBounds> warnedPanels(const std::vector<Finding>& findings, const PlanView& view);

// Where a panel's warning sign stands on its label's box: centred over it, a line of text high,
// just above its top. No text covers it.
PlanRect signOver(const PlanRect& label, Surface& surface);

// A triangle with "!" in it, filling `sign`.
void drawWarningSign(Surface& surface, const PlanRect& sign);

// The place outlined in dashes: a panel or a load's range just inside its edges, which are
// often beams; a beam by a box around it.
void outlineFindingPlace(const FindingPlace& place, Surface& surface);

}  // namespace fp

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

// In floor-load mode, while the view marks checks: where the warning sign goes of each panel of
// the view's level that one or more warnings are about, just above its label's designed place, a
// line of text high. The texts of the plan keep clear of them.
// Whether the view puts a warning sign on a panel for the finding.
bool signedOnPlan(const Finding& finding, const PlanView& view);

std::vector<PlanRect> warningSigns(const std::vector<Finding>& findings, const PlanView& view,
                                   Surface& surface);

// A triangle with "!" in it, filling `sign`.
void drawWarningSign(Surface& surface, const PlanRect& sign);

// The place outlined in dashes: a panel or a load's range just inside its edges, which are
// often beams; a beam by a box around it.
void outlineFindingPlace(const FindingPlace& place, Surface& surface);

}  // namespace fp

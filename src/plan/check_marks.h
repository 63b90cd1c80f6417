// What the check of a listing marks on a plan: a warning sign over the label of every panel with
// a warning, and the place of the finding chosen, outlined in dashes.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// In floor-load mode, while the view marks checks: a warning sign just above the label of each
// panel of the view's level that a warning is about. Then, when `outlined` is given, its place
// outlined in dashes (a panel or a load's range just inside its edges, which are often beams; a
// beam by a box around it).
void drawCheckMarks(const std::vector<Finding>& findings, const PlanView& view,
                    const FindingPlace* outlined, Surface& surface);

}  // namespace fp

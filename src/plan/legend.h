// The legend of a plan: the load cases on show with their titles, the units, and what the
// marks that are on mean. The window shows it in a corner of the plan, pages along the bottom.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/plan_view.h"

namespace fp {

// The legend's lines, in UTF-8: "Load cases: 1 DEAD LOAD, 2 LIVE LOAD" (the cases of the loads
// the plan writes, in the listing's order; "Load cases 1, 3 of 4: 1 DEAD LOAD" when the view shows
// only some cases), the units of what the mode writes, then one line
// for each mark that is on. A level past a drawing limit throws ListingError, as drawing it does.
std::vector<std::string> legendLines(const ListingDocument& document, const PlanView& view);

}  // namespace fp

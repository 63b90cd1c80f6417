// The load cases a plan writes the loads of, as a choice made whole against the listing and as the
// words that tell a filtered plan from the whole one.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/plan_view.h"

namespace fp {

// The chosen case numbers that the listing has, once each, in the listing's order; empty, which
// is every case, when they are every case of the listing or none of them.
std::vector<std::string> caseChoice(const ListingDocument& document,
                                    const std::vector<std::string>& chosen);

// "1, 3 of 4": the view's cases out of the listing's, in UTF-8; empty when the view shows every
// case. A long list is cut with an ellipsis before " of".
std::string chosenCasesText(const ListingDocument& document, const PlanView& view);

// The caption of the view's plan: "Level 7.8 m", and ", cases 1, 3 of 4" after it when the view
// shows only some load cases, so that a filtered plan never passes for the whole one.
std::string planHeading(const ListingDocument& document, const PlanView& view);

}  // namespace fp

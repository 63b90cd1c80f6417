// The label of a slab panel: its shown floor loads, then its spans, written at its centre.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// The lines written at a panel's centre, top to bottom: "no floor load" when none acts; one per
// acting load whose intensity the view shows, with " (case)" when the view shows load-case
// numbers; then "<spanX> X <spanZ>".
std::vector<std::string> panelLabelLines(const LevelPanel& panel, const PlanView& view);

// Finds the panels of the view's level and writes each one's label lines centred on the panel's
// centre, the first a line height above it and each further line one lower, in the surface's
// current font. When the view marks panels without floor load, those are hatched first.
void writePanelLabels(const ListingDocument& document, const PlanView& view, Surface& surface);

}  // namespace fp

// The label of a slab panel: its shown floor loads, then its spans, at its centre; and the shorter
// forms it takes where its panel has no room for that.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/plan_labels.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// The lines written at a panel's centre, top to bottom: "no floor load" when none acts; one per
// acting load whose intensity and load case the view shows, with " (case)" when the view shows
// load-case numbers; then "<spanX> X <spanZ>".
std::vector<std::string> panelLabelLines(const LevelPanel& panel, const PlanView& view);

// The same with the loads of each load case on one line, "4.5+1 (1)", in the order the cases
// first act; the spans last.
std::vector<std::string> panelLabelLinesByCase(const LevelPanel& panel, const PlanView& view);

// Hatches the panels without floor load first, when the view marks them; then registers every
// panel of the view's level with `labels` as a bay, and its label to stand inside it: as designed,
// its lines centred on the panel's centre, the first a line height above it and each further line
// one lower, in the surface's current font; then one line per load case; then the spans with a
// callout's number whose key line carries the loads, on one line, on two, or over the spans
// stacked ("300 X" over "550"); then the number alone,
// whose key line carries loads and spans. A panel in `warned` has a warning sign standing on its
// label, whatever form it takes.
void drawPanels(const ListingDocument& document, const PlanView& view, Surface& surface,
                PlanLabels& labels, const std::vector<PanelBounds>& warned = {});

}  // namespace fp

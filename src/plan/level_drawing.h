// The one drawing of a level that the window, the exports, printing and the benchmarks use.
#pragma once

#include "document/listing_document.h"
#include "plan/pick_boxes.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// Draws the beam plan of the view's level on the surface (whose scale the caller has set), then
// in floor-load mode every panel's floor-load label over it. Returns the beams' pick boxes.
// Changes nothing but the surface; a level past a drawing limit throws ListingError.
PickBoxes drawLevel(const ListingDocument& document, const PlanView& view, Surface& surface);

// Throws the ListingError that drawing the level would throw, without drawing it: more than 300
// beams, 200 panels, or 10 floor loads on a panel.
void checkLevelLimits(const ListingDocument& document, int level);

}  // namespace fp

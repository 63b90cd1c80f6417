// The one drawing of a level that the window, the exports, printing and the benchmarks use.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"
#include "plan/pick_boxes.h"
#include "plan/placement_memory.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// Clears the surface (whose scale the caller has set) and draws the view's level on it: the grid
// lines under the beam plan, the columns, then in floor-load mode every panel's floor-load label
// over it. Unless the view asks for the designed label positions, every text then goes through
// one placement step that moves it clear of the texts before it and of the beam lines, at the
// surface's present scale, clear of the warning signs that `findings` (when given) put on the
// panels, drawn before the texts; with a memory, the places found the last time are taken again
// when nothing they depend on has changed. Returns the beams' pick boxes. Changes nothing but the
// surface (and the memory); a level past a drawing limit throws ListingError.
PickBoxes drawLevel(const ListingDocument& document, const PlanView& view, Surface& surface,
                    PlacementMemory* memory = nullptr,
                    const std::vector<Finding>* findings = nullptr);

}  // namespace fp

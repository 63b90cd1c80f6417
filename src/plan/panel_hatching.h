// Hatching that marks a slab panel on the plan.
#pragma once

#include "document/listing_document.h"
#include "plan/surface.h"

namespace fp {

// The hatch lines' spacing along X, in plan units (0.5 m).
inline constexpr float kHatchSpacing = 50;

// Draws lines of slope +1 in plan units across the panel, clipped to its edges, where
// x - z is a multiple of the spacing, so that neighbouring panels' hatching lines up.
void hatchPanel(const PanelBounds& panel, Surface& surface);

}  // namespace fp

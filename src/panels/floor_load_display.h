// Writing the floor loads of a level's slab panels onto the plan.
#pragma once

#include <cstdint>

#include "model/model_store.h"
#include "plan/surface.h"
#include "plan/view_state.h"

namespace fp {

// Finds the panels of `level` and writes each one's label lines centred on the panel's centre,
// the first a line height above it and each further line one lower, in the surface's current
// font. Leaves PanelTable, PanelCount and PanelLoadRecord as the last panel set them.
void ShowFloorLoads(ModelStore& model, Surface& surface, const ViewState& view, int16_t level,
                    char decimalSeparator = '.');

}  // namespace fp

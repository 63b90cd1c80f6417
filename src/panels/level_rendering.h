// The one drawing of a level that the window, the exports and the benchmarks all use.
#pragma once

#include <cstdint>

#include "model/model_store.h"
#include "plan/beam_boxes.h"
#include "plan/surface.h"
#include "plan/view_state.h"

namespace fp {

// Draws the beam plan of `level` on the surface (whose scale the caller has set), refilling
// `boxes`, then in floor-load mode writes every panel's floor-load labels over it.
void renderLevel(ModelStore& model, Surface& surface, const ViewState& view, int16_t level,
                 BeamBoxes& boxes, char decimalSeparator);

}  // namespace fp

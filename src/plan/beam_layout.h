// The beam layout plan of one level: beam lines, start-joint circles, numbers and pick boxes.
#pragma once

#include <cstdint>

#include "model/model_store.h"
#include "plan/beam_boxes.h"
#include "plan/surface.h"
#include "plan/view_state.h"

namespace fp {

// Clears the surface and draws every beam of `level` (an index into GridY) that has a design
// row: +X and +Z beams from their start joints, at their printed lengths, numbered serially
// column by column. Refills `boxes` with one pick box per beam drawn. Member numbers ("B: ")
// are written only in member-load mode with "Beem Nos" ticked. More than 300 beams on the
// level ends the run.
void drawBeeLayout(const ModelStore& model, Surface& surface, const ViewState& view, int16_t level,
                   BeamBoxes& boxes);

}  // namespace fp

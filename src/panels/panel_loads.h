// The floor loads acting on one slab panel, and the panel's spans.
#pragma once

#include <cstdint>

#include "model/model_store.h"

namespace fp {

// The floor-load rows, in table order, whose Y range reaches `level` and whose X and Z ranges
// cover the panel (ix, iz)-(ix2, iz2), each allowed to stop up to 0.1 m short of an edge. The
// spans are set only when a row acts. An 11th acting row ends the run with a RunEndingError
// naming the level and the panel.
PanelLoadRecord GetPanelLoads(const ModelStore& model, int16_t level, int16_t ix, int16_t iz,
                              int16_t ix2, int16_t iz2);

}  // namespace fp

// Finding the slab panels of a level: the rectangles of its grid that beams close.
#pragma once

#include <cstdint>
#include <functional>

#include "model/model_store.h"

namespace fp {

// Called once per panel with the grid indices of its corners (ix, iz) and (ix2, iz2).
using PanelAction = std::function<void(int16_t ix, int16_t iz, int16_t ix2, int16_t iz2)>;

// Scans `level` (an index into GridY) X line by X line, records each panel found in PanelTable
// and runs `action` on it before the scan goes on. PanelCount starts from 0. A 201st panel ends
// the run with a RunEndingError naming the level.
void FindPanels(ModelStore& model, int16_t level, const PanelAction& action);

}  // namespace fp

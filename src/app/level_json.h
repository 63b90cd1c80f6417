// The beams and panels of one level as JSON lists, for the model dump.
#pragma once

#include <ostream>

#include "model/model_store.h"

namespace fp {

// [{"serial": 1, "dir": "X", "row": 4, "member": 12, "length": 4500, "x": 1000, "z": 2000}, ...]
// in serial order, as the plan numbers them.
void writeLevelBeams(std::ostream& out, const ModelStore& model, int level);

// [{"ix": 1, "iz": 1, "ix2": 2, "iz2": 2, "spanX": 500, "spanZ": 400, "loads": [...],
// "lines": [...]}, ...] in the order the scan finds them; "lines" are the label texts in the
// start-up view (floor-load mode, "LOAD TYPE" and every intensity ticked). Runs the panel scan,
// so PanelTable holds this level's panels afterwards.
void writeLevelPanels(std::ostream& out, ModelStore& model, int level);

}  // namespace fp

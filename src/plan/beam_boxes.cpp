// Hit tests against the pick boxes of the last plan.
#include "plan/beam_boxes.h"

#include <string>

#include "model/run_error.h"

namespace fp {

bool IsOver(const BeamBoxes& boxes, int index, float x, float y) {
    if (index < 0 || index > BeamBoxes::kMaxBoxes) {
        throw RunEndingError("There is no pick box " + std::to_string(index) +
                             "; boxes are numbered 0 to " + std::to_string(BeamBoxes::kMaxBoxes));
    }
    const BeamBox& box = boxes.Box[static_cast<std::size_t>(index)];
    return box.X1 <= x && x <= box.X2 && box.Z1 <= y && y <= box.Z2;
}

int firstBeamAt(const BeamBoxes& boxes, float x, float y) {
    const int count = boxes.BeamBoxCount;
    for (int serial = 1; serial <= count; ++serial) {
        if (IsOver(boxes, serial, x, y)) {
            return serial;
        }
    }
    return 0;
}

}  // namespace fp

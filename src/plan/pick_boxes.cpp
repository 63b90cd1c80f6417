// Finding the beam under a point of the plan.
#include "plan/pick_boxes.h"

namespace fp {

int beamAt(const PickBoxes& boxes, float x, float z) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].contains(x, z)) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

}  // namespace fp

// Where each beam of a drawn plan can be picked: one box per beam, in serial order.
#pragma once

#include <cstddef>
#include <vector>

namespace fp {

// In plan units. A box with left > right or top > bottom contains no point.
struct PickBox {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;

    // Edges count as inside.
    bool contains(float x, float z) const {
        return left <= x && x <= right && top <= z && z <= bottom;
    }
};

// Box k - 1 belongs to the beam with serial number k.
using PickBoxes = std::vector<PickBox>;

// The serial number of the first beam, in serial order, whose box holds (x, z); 0 when none.
int beamAt(const PickBoxes& boxes, float x, float z);

}  // namespace fp

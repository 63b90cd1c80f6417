// A regular multi-storey frame of any size, with its load cases, for benchmark listings.
#pragma once

#include "generated_model.h"

namespace gen {

struct FrameShape {
    int storeys = 6;
    int baysX = 8;
    int baysZ = 5;
    int loadCases = 4;
    // Every bay, along X and along Z, this many metres; 0 for the typical spans in turn.
    double span = 0;
};

// Throws std::invalid_argument when the frame would exceed what a listing may hold.
Model regularFrame(const FrameShape& shape);

}  // namespace gen

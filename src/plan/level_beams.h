// The beams of one level in plan order: what the plan draws and what the dump lists.
#pragma once

#include <vector>

#include "document/listing_document.h"

namespace fp {

enum class BeamDirection { PlusX, PlusZ };

// One designed beam, leaving the joint at (x, z) (hundredths of a metre).
struct LevelBeam {
    BeamDirection direction = BeamDirection::PlusX;
    DesignRowNumber designRow = 0;
    int32_t member = 0;
    int32_t lengthMm = 0;  // as printed in its design block
    float x = 0;
    float z = 0;
};

// The beams of `level` in serial order: by X grid line, then by Z grid line, and at one joint
// the +X beam before the +Z beam. Serial number k is element k - 1. A level with more than 300
// beams throws ListingError naming it, for the plan and every listing of its beams alike.
std::vector<LevelBeam> beamsOfLevel(const ListingDocument& document, int level);

}  // namespace fp

// The beams of one level in plan order: what the plan draws and what the dump lists.
#pragma once

#include <cstdint>
#include <vector>

#include "model/model_store.h"

namespace fp {

enum class BeamDirection { PlusX, PlusZ };

// One beam with a design row, leaving the joint at (x, z) (plan units).
struct LevelBeam {
    BeamDirection direction = BeamDirection::PlusX;
    int16_t designRow = 0;
    int32_t member = 0;    // BeamDesignTable column 1
    int32_t lengthMm = 0;  // BeamDesignTable column 2, as printed in the listing
    float x = 0;
    float z = 0;
};

// The beams of `level` in serial order: by X grid line, then by Z grid line, and at one joint
// the +X beam before the +Z beam. Serial number k is element k - 1.
std::vector<LevelBeam> beamsOfLevel(const ModelStore& model, int16_t level);

}  // namespace fp

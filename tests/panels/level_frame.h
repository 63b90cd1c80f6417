// Test helper: a two-level frame on a regular grid whose upper level gets the beams a test asks
// for, derived into panel-edge flags as the program does after reading a listing.
#pragma once

#include <cstdint>

#include "grid/grid_derivation.h"
#include "grid/model_builder.h"

namespace fp::testing {

// Joints at every grid point of level 1 (y = 0) and level 2 (y = 3 m); X lines every 5 m and Z
// lines every 4 m unless said otherwise. Grid indices count from 1, as in the program.
class LevelFrame {
  public:
    LevelFrame(ModelStore& model, int nX, int nZ, int16_t spacingX = 500, int16_t spacingZ = 400)
        : model_(model), nX_(nX), nZ_(nZ) {
        for (int level = 1; level <= 2; ++level) {
            for (int ix = 1; ix <= nX; ++ix) {
                for (int iz = 1; iz <= nZ; ++iz) {
                    addJoint(model, joint(level, ix, iz), static_cast<int16_t>(spacingX * (ix - 1)),
                             static_cast<int16_t>(300 * (level - 1)),
                             static_cast<int16_t>(spacingZ * (iz - 1)));
                }
            }
        }
    }

    static int16_t joint(int level, int ix, int iz) {
        return static_cast<int16_t>(10000 * level + 100 * ix + iz);
    }

    void beamX(int ix, int iz, int ix2, int level = 2) {
        addMember(model_, ++members_, joint(level, ix, iz), joint(level, ix2, iz));
    }
    void beamZ(int ix, int iz, int iz2, int level = 2) {
        addMember(model_, ++members_, joint(level, ix, iz), joint(level, ix, iz2));
    }

    // A beam between every two neighbouring joints of the level.
    void allNeighbourBeams(int level = 2) {
        for (int ix = 1; ix <= nX_; ++ix) {
            for (int iz = 1; iz <= nZ_; ++iz) {
                if (ix < nX_) {
                    beamX(ix, iz, ix + 1, level);
                }
                if (iz < nZ_) {
                    beamZ(ix, iz, iz + 1, level);
                }
            }
        }
    }

    void derive() {
        BuildGrid(model_);
        DeriveFrames(model_);
    }

  private:
    ModelStore& model_;
    int nX_;
    int nZ_;
    int32_t members_ = 0;
};

// One floor-load row; ranges in metres.
inline void addFloorLoad(ModelStore& model, const char* caseTitle, float intensity, float y1,
                         float y2, float x1, float x2, float z1, float z2) {
    FloorLoadRow& row = model.FloorLoadTable.at(++model.FloorLoadCount);
    row = FloorLoadRow{caseTitle, intensity, y1, y2, x1, x2, z1, z2};
}

}  // namespace fp::testing

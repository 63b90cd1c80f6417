// Test helper: one 5 m by 4 m bay on level 2 (at 3 m), closed by four designed beams, set in the
// store as the derivation leaves it: grid, joints, beam rows and panel-edge flags.
#pragma once

#include <cstdint>
#include <memory>

#include "model/model_store.h"

namespace fp::testing {

constexpr int16_t kBayLevel = 2;

// Design rows 1..4 are the beams along Z = 0, X = 0, X = 5 m and Z = 4 m, in that order.
inline std::unique_ptr<ModelStore> oneClosedBay(const int32_t (&members)[4],
                                                const int32_t (&lengths)[4]) {
    auto model = makeModelStore();
    model->GridX.set(1, 0);
    model->GridX.set(2, 500);
    model->GridX.setCount(2);
    model->GridY.set(1, 0);
    model->GridY.set(2, 300);
    model->GridY.setCount(2);
    model->GridZ.set(1, 0);
    model->GridZ.set(2, 400);
    model->GridZ.setCount(2);
    for (int row = 1; row <= 4; ++row) {
        model->BeamDesignTable.at(row, 1) = members[row - 1];
        model->BeamDesignTable.at(row, 2) = lengths[row - 1];
    }
    model->BeamDesignCount = 4;
    for (int ix = 1; ix <= 2; ++ix) {
        for (int iz = 1; iz <= 2; ++iz) {
            model->NodeGrid.at(ix, kBayLevel, iz) = static_cast<int16_t>(ix * 10 + iz);
        }
    }
    model->XBeamGrid.at(1, kBayLevel, 1) = 1;
    model->ZBeamGrid.at(1, kBayLevel, 1) = 2;
    model->ZBeamGrid.at(2, kBayLevel, 1) = 3;
    model->XBeamGrid.at(1, kBayLevel, 2) = 4;
    auto& edges = model->PanelEdgeGrid;
    edges.at(1, kBayLevel, 1).PlusX = edges.at(1, kBayLevel, 1).PlusZ = kTrue;
    edges.at(2, kBayLevel, 1).MinusX = edges.at(2, kBayLevel, 1).PlusZ = kTrue;
    edges.at(1, kBayLevel, 2).PlusX = edges.at(1, kBayLevel, 2).MinusZ = kTrue;
    edges.at(2, kBayLevel, 2).MinusX = edges.at(2, kBayLevel, 2).MinusZ = kTrue;
    return model;
}

}  // namespace fp::testing

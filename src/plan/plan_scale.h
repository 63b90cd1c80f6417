// The frame every level is drawn in: the whole model's grid with a 1 m margin.
#pragma once

#include "model/model_store.h"
#include "plan/surface.h"

namespace fp {

// The plan coordinates of the surface's edges, in hundredths of a metre.
struct PlanFrame {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// GridX[1] - 100 ... GridX[nX] + 100 across, GridZ[1] - 100 ... GridZ[nZ] + 100 down. An axis
// without grid lines (a model without joints) is framed as if it had one line at 0, so an
// empty model gets a 2 m square around the origin.
PlanFrame planFrame(const ModelStore& model);

// Gives the surface the frame of the model.
void setPlanScale(const ModelStore& model, Surface& surface);

}  // namespace fp

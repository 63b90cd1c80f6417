// The frame every level is drawn in: the whole model's grid with a 1 m margin.
#pragma once

#include "grid/grid.h"
#include "plan/surface.h"

namespace fp {

// The plan coordinates of the surface's edges, in hundredths of a metre.
struct PlanFrame {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool operator==(const PlanFrame&) const = default;
};

// The first X line less 1 m ... the last X line plus 1 m across, the same along Z down. An axis
// without lines (a model without joints) is framed as if it had one line at 0, so an empty
// model gets a 2 m square around the origin.
PlanFrame planFrame(const Grid& grid);

// Gives the surface the frame of the model.
void setPlanScale(const Grid& grid, Surface& surface);

}  // namespace fp

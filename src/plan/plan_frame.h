// The frame every level is drawn in: the whole model's grid with a margin around it that holds
// the grid's bubbles and whatever the output keeps beside the plan.
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

// Room an output keeps beyond the model's outermost grid lines on each side, in device units:
// for the bubbles, a legend, the callouts' key.
struct FrameRoom {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The frame that fills an area `width` by `height` device units with the model's grid, keeping
// at least 1 m and at least `room` beyond its outermost lines on each side; each axis is scaled on
// its own. Room that leaves the grid no space is given up in part, so that the grid keeps at
// least a tenth of the area.
PlanFrame fittedFrame(const Grid& grid, double width, double height, const FrameRoom& room);

}  // namespace fp

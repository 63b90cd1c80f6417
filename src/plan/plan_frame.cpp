// The plan's frame from the model's grid.
#include "plan/plan_frame.h"

namespace fp {
namespace {

constexpr double kMargin = 100;

}  // namespace

PlanFrame planFrame(const Grid& grid) {
    return {grid.x.first() - kMargin, grid.z.first() - kMargin, grid.x.last() + kMargin,
            grid.z.last() + kMargin};
}

void setPlanScale(const Grid& grid, Surface& surface) {
    const PlanFrame frame = planFrame(grid);
    surface.setScale(frame.left, frame.top, frame.right, frame.bottom);
}

}  // namespace fp

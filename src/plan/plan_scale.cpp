// The plan's frame from the model's grid.
#include "plan/plan_scale.h"

namespace fp {

namespace {

constexpr double kMargin = 100;

struct AxisSpan {
    double first;
    double last;
};

AxisSpan spanOf(const GridList& grid) {
    const int count = grid.count();
    if (count < 1) {
        return {0, 0};
    }
    return {grid[1], grid[count]};
}

}  // namespace

PlanFrame planFrame(const ModelStore& model) {
    const AxisSpan across = spanOf(model.GridX);
    const AxisSpan down = spanOf(model.GridZ);
    return {across.first - kMargin, down.first - kMargin, across.last + kMargin,
            down.last + kMargin};
}

void setPlanScale(const ModelStore& model, Surface& surface) {
    const PlanFrame frame = planFrame(model);
    surface.setScale(frame.left, frame.top, frame.right, frame.bottom);
}

}  // namespace fp

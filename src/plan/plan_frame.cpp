// The plan's frame from the model's grid, and the room kept around it.
#include "plan/plan_frame.h"

#include <algorithm>
#include <array>

namespace fp {
namespace {

constexpr double kMargin = 100;
// The least share of an axis the grid keeps however much room is asked beside it.
constexpr double kLeastGridShare = 0.1;

struct AxisFrame {
    double first;
    double last;
};

// One axis: the device units per plan unit s that fill `length` with the span between the
// outermost lines and, each side, the larger of 1 m and the room asked.
AxisFrame fitAxis(double first, double last, double length, double before, double after) {
    const double span = last - first;
    // Given up in proportion where the room leaves the grid too little.
    const double most = length * (1 - kLeastGridShare);
    if (span > 0 && before + after > most) {
        const double keep = most / (before + after);
        before *= keep;
        after *= keep;
    }
    const auto used = [&](double s) {
        return s * span + std::max(kMargin * s, before) + std::max(kMargin * s, after);
    };
    // Each side is either its metre or its room; the scale is the largest that fits.
    std::array<double, 4> scales = {length / (span + 2 * kMargin),
                                    (length - before) / (span + kMargin),
                                    (length - after) / (span + kMargin), 0};
    if (span > 0) {
        scales[3] = (length - before - after) / span;
    }
    double scale = 0;
    for (const double s : scales) {
        if (s > scale && used(s) <= length * (1 + 1e-9)) {
            scale = s;
        }
    }
    if (scale <= 0) {
        return {first - kMargin, last + kMargin};
    }
    return {first - std::max(kMargin, before / scale), last + std::max(kMargin, after / scale)};
}

}  // namespace

PlanFrame planFrame(const Grid& grid) {
    return {grid.x.first() - kMargin, grid.z.first() - kMargin, grid.x.last() + kMargin,
            grid.z.last() + kMargin};
}

void setPlanScale(const Grid& grid, Surface& surface) {
    const PlanFrame frame = planFrame(grid);
    surface.setScale(frame.left, frame.top, frame.right, frame.bottom);
}

PlanFrame fittedFrame(const Grid& grid, double width, double height, const FrameRoom& room) {
    const AxisFrame across = fitAxis(grid.x.first(), grid.x.last(), width, room.left, room.right);
    const AxisFrame down = fitAxis(grid.z.first(), grid.z.last(), height, room.top, room.bottom);
    return {across.first, down.first, across.last, down.last};
}

}  // namespace fp

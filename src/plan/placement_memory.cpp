// The last placement and the view and scale it was found for.
#include "plan/placement_memory.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace fp {
namespace {

// Panning at one zoom moves the plan's edges in the view, and the plan units per pixel worked
// out from them differ in the last bits: such scales are the same.
constexpr double kSameWithin = 1e-9;

bool sameScale(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](double x, double y) {
               return std::abs(x - y) <= kSameWithin * std::max({1.0, std::abs(x), std::abs(y)});
           });
}

}  // namespace

const LabelLayout* PlacementMemory::placementFor(const PlanView& view,
                                                 const std::vector<double>& scale) {
    if (!kept_ || !(view == view_) || !sameScale(scale, scale_)) {
        return nullptr;
    }
    ++reused_;
    return &placement_;
}

void PlacementMemory::keep(const PlanView& view, std::vector<double> scale, LabelLayout placement) {
    view_ = view;
    scale_ = std::move(scale);
    placement_ = std::move(placement);
    kept_ = true;
    ++placed_;
}

}  // namespace fp

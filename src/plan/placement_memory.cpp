// The last few placements and the views and scales they were found for.
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
    const auto found = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& kept) {
        return kept.view == view && sameScale(kept.scale, scale);
    });
    if (found == kept_.end()) {
        return nullptr;
    }
    std::rotate(kept_.begin(), found, found + 1);
    ++reused_;
    return &kept_.front().placement;
}

void PlacementMemory::keep(const PlanView& view, std::vector<double> scale, LabelLayout placement) {
    if (kept_.size() >= kMostKept) {
        kept_.pop_back();
    }
    kept_.insert(kept_.begin(), Kept{view, std::move(scale), std::move(placement)});
    ++placed_;
}

}  // namespace fp

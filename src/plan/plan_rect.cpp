// Rectangles of the plan and their index.
#include "plan/plan_rect.h"

#include <algorithm>
#include <cmath>

namespace fp {
namespace {

// Past this many cells along a side a rectangle is spread no further: beyond the plan it helps
// nothing, and an absurd scale must not make a huge index.
constexpr int64_t kMostCellsAlong = 4096;

int64_t cellKey(int64_t column, int64_t row) {
    return column * 1'000'003 + row;
}

}  // namespace

PlanRect PlanRect::united(const PlanRect& other) const {
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
}

PlanRectIndex::PlanRectIndex(double cell) : cell_(cell > 0 && std::isfinite(cell) ? cell : 1) {}

template <typename Visit>
void PlanRectIndex::forCells(const PlanRect& rect, Visit visit) const {
    const auto first = [this](double at) { return static_cast<int64_t>(std::floor(at / cell_)); };
    const int64_t left = first(rect.left);
    const int64_t top = first(rect.top);
    const int64_t right = std::min(first(rect.right), left + kMostCellsAlong);
    const int64_t bottom = std::min(first(rect.bottom), top + kMostCellsAlong);
    for (int64_t column = left; column <= right; ++column) {
        for (int64_t row = top; row <= bottom; ++row) {
            visit(cellKey(column, row));
        }
    }
}

void PlanRectIndex::add(const PlanRect& rect) {
    const std::size_t number = rects_.size();
    rects_.push_back(rect);
    forCells(rect, [&](int64_t key) { cells_[key].push_back(number); });
}

bool PlanRectIndex::meetsAny(const PlanRect& rect) const {
    bool met = false;
    forCells(rect, [&](int64_t key) {
        if (met) {
            return;
        }
        const auto found = cells_.find(key);
        if (found == cells_.end()) {
            return;
        }
        met = std::any_of(found->second.begin(), found->second.end(),
                          [&](std::size_t number) { return rects_[number].meets(rect); });
    });
    return met;
}

}  // namespace fp

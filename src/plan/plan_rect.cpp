// Rectangles of the plan and their index.
#include "plan/plan_rect.h"

#include <algorithm>
#include <cmath>

namespace fp {
namespace {

// The most cells an index lays out: a few hundred along each side of a plan, whatever the scale,
// so that an absurd one cannot make a huge index.
constexpr double kMostCells = 65536;

// The cell along one side holding `at`, the edge ones for whatever lies past them.
int cellAlong(double at, double origin, double cell, int count) {
    const double index = std::floor((at - origin) / cell);
    if (!(index > 0)) {
        return 0;
    }
    return index >= count - 1 ? count - 1 : static_cast<int>(index);
}

int cellsAcross(double length, double cell) {
    return std::max(1, static_cast<int>(std::ceil(length / cell)));
}

}  // namespace

PlanRect PlanRect::united(const PlanRect& other) const {
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
}

PlanRectIndex::PlanRectIndex(double cell, const PlanRect& bounds)
    : left_(std::isfinite(bounds.left) ? bounds.left : 0),
      top_(std::isfinite(bounds.top) ? bounds.top : 0) {
    const double width = std::isfinite(bounds.width()) ? std::max(bounds.width(), 0.0) : 0;
    const double height = std::isfinite(bounds.height()) ? std::max(bounds.height(), 0.0) : 0;
    cell_ = std::max(cell > 0 && std::isfinite(cell) ? cell : 1,
                     std::sqrt(width * height / kMostCells));
    columns_ = cellsAcross(width, cell_);
    rows_ = cellsAcross(height, cell_);
    // Cells of the smallest side allowed may still be too many along a long thin part.
    while (static_cast<double>(columns_) * rows_ > kMostCells) {
        cell_ *= 2;
        columns_ = cellsAcross(width, cell_);
        rows_ = cellsAcross(height, cell_);
    }
    lastEntry_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), -1);
}

PlanRectIndex::CellSpan PlanRectIndex::cellsOf(const PlanRect& rect) const {
    return {cellAlong(rect.left, left_, cell_, columns_), cellAlong(rect.top, top_, cell_, rows_),
            cellAlong(rect.right, left_, cell_, columns_),
            cellAlong(rect.bottom, top_, cell_, rows_)};
}

void PlanRectIndex::add(const PlanRect& rect) {
    const auto number = static_cast<std::uint32_t>(rects_.size());
    rects_.push_back(rect);
    const CellSpan span = cellsOf(rect);
    for (int row = span.top; row <= span.bottom; ++row) {
        for (int column = span.left; column <= span.right; ++column) {
            std::int32_t& last = lastEntry_[static_cast<std::size_t>(row) * columns_ + column];
            entries_.push_back({number, last});
            last = static_cast<std::int32_t>(entries_.size() - 1);
        }
    }
}

bool PlanRectIndex::meetsAny(const PlanRect& rect) const {
    const CellSpan span = cellsOf(rect);
    for (int row = span.top; row <= span.bottom; ++row) {
        for (int column = span.left; column <= span.right; ++column) {
            for (std::int32_t entry = lastEntry_[static_cast<std::size_t>(row) * columns_ + column];
                 entry >= 0; entry = entries_[static_cast<std::size_t>(entry)].next) {
                if (rects_[entries_[static_cast<std::size_t>(entry)].rect].meets(rect)) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace fp

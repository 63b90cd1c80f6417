// A rectangle of the plan, and an index of many of them for quick overlap tests.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace fp {

// In plan units; a line along an axis is a rectangle with no width or no height.
struct PlanRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    // Whether the insides meet: touching edges do not count, and a line along an axis meets a
    // rectangle it runs through.
    bool meets(const PlanRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    PlanRect movedBy(double dx, double dz) const {
        return {left + dx, top + dz, right + dx, bottom + dz};
    }
    PlanRect united(const PlanRect& other) const;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

// Rectangles kept in the square cells of a grid they cover, so that a test looks only at those
// near it.
class PlanRectIndex {
  public:
    // `cell`: the side of a cell in plan units, about the size of the rectangles tested.
    explicit PlanRectIndex(double cell);

    void add(const PlanRect& rect);
    // Whether any rectangle added meets `rect`.
    bool meetsAny(const PlanRect& rect) const;

  private:
    template <typename Visit>
    void forCells(const PlanRect& rect, Visit visit) const;

    double cell_;
    std::vector<PlanRect> rects_;
    std::unordered_map<int64_t, std::vector<std::size_t>> cells_;
};

}  // namespace fp

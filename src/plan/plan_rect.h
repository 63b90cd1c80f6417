// A rectangle of the plan, and an index of many of them for quick overlap tests.
#pragma once

#include <cstdint>
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

// Rectangles kept in the square cells of a grid laid over a part of the plan, so that a test
// looks only at those near it. A rectangle reaching past that part is kept in the cells at its
// edge, as a test there is made: any rectangle is found, only more slowly out there.
class PlanRectIndex {
  public:
    // `cell`: the side of a cell in plan units, about the size of the rectangles tested;
    // `bounds`: the part of the plan most of them lie in. A part too large for its cells to be
    // few takes larger ones.
    PlanRectIndex(double cell, const PlanRect& bounds);

    void add(const PlanRect& rect);
    // Whether any rectangle added meets `rect`.
    bool meetsAny(const PlanRect& rect) const;

  private:
    // The first and last column and row of the cells a rectangle covers.
    struct CellSpan {
        int left;
        int top;
        int right;
        int bottom;
    };
    // One rectangle in one cell, and the cell's entry added before it (-1 for none).
    struct Entry {
        std::uint32_t rect;
        std::int32_t next;
    };

    CellSpan cellsOf(const PlanRect& rect) const;

    double left_;
    double top_;
    double cell_ = 1;
    int columns_ = 1;
    int rows_ = 1;
    std::vector<PlanRect> rects_;
    // For each cell, row by row, its entry added last; -1 for an empty cell.
    std::vector<std::int32_t> lastEntry_;
    std::vector<Entry> entries_;
};

}  // namespace fp

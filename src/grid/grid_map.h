// A dense map over the grid points of the model: one cell per (X line, level, Z line).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/listing_error.h"

namespace fp {

// Lines are numbered from 1 on each axis, as the grid numbers them; index 0 of each axis is kept
// so that the numbers read directly. Every neighbour test is one array access.
template <typename Cell>
class GridMap {
  public:
    GridMap() = default;
    GridMap(int linesX, int levels, int linesZ)
        : sideX_(static_cast<std::size_t>(linesX) + 1),
          sideY_(static_cast<std::size_t>(levels) + 1),
          sideZ_(static_cast<std::size_t>(linesZ) + 1),
          cells_(sideX_ * sideY_ * sideZ_) {}

    Cell& at(int ix, int iy, int iz) { return cells_[index(ix, iy, iz)]; }
    const Cell& at(int ix, int iy, int iz) const { return cells_[index(ix, iy, iz)]; }

    std::size_t bytes() const { return cells_.capacity() * sizeof(Cell); }

  private:
    std::size_t index(int ix, int iy, int iz) const {
        if (ix < 0 || iy < 0 || iz < 0 || static_cast<std::size_t>(ix) >= sideX_ ||
            static_cast<std::size_t>(iy) >= sideY_ || static_cast<std::size_t>(iz) >= sideZ_) {
            throw ListingError("Grid point (" + std::to_string(ix) + ", " + std::to_string(iy) +
                               ", " + std::to_string(iz) + ") lies outside the grid");
        }
        return (static_cast<std::size_t>(ix) * sideY_ + static_cast<std::size_t>(iy)) * sideZ_ +
               static_cast<std::size_t>(iz);
    }

    std::size_t sideX_ = 0;
    std::size_t sideY_ = 0;
    std::size_t sideZ_ = 0;
    std::vector<Cell> cells_;
};

}  // namespace fp

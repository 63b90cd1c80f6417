// Fixed-size, zero-filled tables of the model store; every access is bounds-checked.
#pragma once

#include <array>
#include <cstdint>

#include "model/run_error.h"

namespace fp {

// Rows 0..LastRow, columns 0..Columns-1. A row past LastRow means the listing needs more rows
// than the program holds; it ends the run with a message naming `things`.
template <typename T, int LastRow, int Columns>
class FixedTable {
  public:
    explicit FixedTable(const char* things) : things_(things) {}

    static constexpr int lastRow() { return LastRow; }

    T& at(int row, int column) { return cells_[index(row, column)]; }
    T at(int row, int column) const { return cells_[index(row, column)]; }

  private:
    std::size_t index(int row, int column) const {
        if (row < 0 || row > LastRow) {
            throw tooMany(things_, LastRow);
        }
        if (column < 0 || column >= Columns) {
            throw RunEndingError("Column " + std::to_string(column) + " of the table of " +
                                 things_ + " does not exist");
        }
        return static_cast<std::size_t>(row) * Columns + static_cast<std::size_t>(column);
    }

    std::array<T, static_cast<std::size_t>(LastRow + 1) * Columns> cells_{};
    const char* things_;
};

// Rows 0..LastRow of records.
template <typename Record, int LastRow>
class RecordTable {
  public:
    explicit RecordTable(const char* things) : things_(things) {}

    static constexpr int lastRow() { return LastRow; }

    Record& at(int row) { return rows_[index(row)]; }
    const Record& at(int row) const { return rows_[index(row)]; }

  private:
    std::size_t index(int row) const {
        if (row < 0 || row > LastRow) {
            throw tooMany(things_, LastRow);
        }
        return static_cast<std::size_t>(row);
    }

    std::array<Record, LastRow + 1> rows_{};
    const char* things_;
};

// A dense map over grid points (ix, iy, iz), each index 0..Last.
template <typename T, int Last>
class GridMap {
  public:
    static constexpr int last() { return Last; }

    T& at(int ix, int iy, int iz) { return cells_[index(ix, iy, iz)]; }
    const T& at(int ix, int iy, int iz) const { return cells_[index(ix, iy, iz)]; }

  private:
    static constexpr std::size_t side = Last + 1;

    static std::size_t index(int ix, int iy, int iz) {
        if (ix < 0 || ix > Last || iy < 0 || iy > Last || iz < 0 || iz > Last) {
            throw RunEndingError("Grid point (" + std::to_string(ix) + ", " + std::to_string(iy) +
                                 ", " + std::to_string(iz) + ") lies outside the grid of " +
                                 std::to_string(Last) + " lines per axis");
        }
        return (static_cast<std::size_t>(ix) * side + static_cast<std::size_t>(iy)) * side +
               static_cast<std::size_t>(iz);
    }

    std::array<T, side * side * side> cells_{};
};

}  // namespace fp

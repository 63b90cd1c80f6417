// The distinct coordinates of the joints along one axis: the grid lines, numbered from 1.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#include "model/listing_error.h"
#include "model/records.h"

namespace fp {

// Coordinates in hundredths of a metre, ascending once the grid is built. Line 1 is the lowest;
// along Y the lines are the building's levels.
class GridAxis {
  public:
    explicit GridAxis(const char* things) : values_(things), things_(things) {}

    int count() const { return static_cast<int>(values_.size()); }
    // The coordinate of line 1 .. count(); any other line is a fault of the caller.
    float at(int line) const {
        if (line < 1 || line > count()) {
            throw ListingError("There is no line " + std::to_string(line) + " of the " + things_ +
                               "; they are numbered 1 to " + std::to_string(count()));
        }
        return values_[static_cast<std::size_t>(line - 1)];
    }
    // The line (1 .. count()) of a coordinate of the sorted axis; 0 when no line is there.
    int lineOf(float coordinate) const {
        const auto& lines = values_;
        const auto at = std::lower_bound(lines.begin(), lines.end(), coordinate);
        return at != lines.end() && *at == coordinate ? static_cast<int>(at - lines.begin()) + 1
                                                      : 0;
    }
    // The outermost lines; an axis without lines is taken as one line at 0.
    float first() const { return values_.empty() ? 0 : values_[0]; }
    float last() const { return values_.empty() ? 0 : values_[values_.size() - 1]; }

    void addIfAbsent(int16_t coordinate) { values_.addIfAbsent(coordinate); }
    void sortAscending() { values_.sortAscending(); }
    const ValueList<kMaxGridLines>& values() const { return values_; }

  private:
    ValueList<kMaxGridLines> values_;
    const char* things_;
};

}  // namespace fp

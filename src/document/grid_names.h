// The grid lines of a level, named as on architects' drawings: X lines 1, 2, 3 ... from the
// left, Z lines A, B, C ... from the top.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "document/listing_document.h"

namespace fp {

// The distinct X and Z coordinates of the level's joints, ascending, in plan units.
struct LevelGridLines {
    std::vector<float> x;
    std::vector<float> z;
};

LevelGridLines gridLinesOf(const ListingDocument& document, int level);

// The name of the X line at `index` (from 0, left to right): "1", "2", ...
std::string xLineName(std::size_t index);
// The name of the Z line at `index` (from 0, top to bottom): "A" ... "Z" without "I" and "O",
// which read as one and nought, then "AA", "AB", ...
std::string zLineName(std::size_t index);

// "C/4": the Z line and the X line nearest to the point; empty for a level without lines and for
// a point more than a quarter metre outside them.
std::string nearestIntersection(const LevelGridLines& lines, double x, double z);

}  // namespace fp

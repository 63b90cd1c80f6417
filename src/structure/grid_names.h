// The building's grid lines, named once for every level, plan, dock, finding and report: every
// distinct X of the joints of all levels is a number from the left, every distinct Z a letter
// from the top, so that a line has one name wherever it is read.
#pragma once

#include <string>
#include <vector>

#include "grid/grid.h"
#include "structure/panel_bounds.h"

namespace fp {

// The name of the X line at `index` (from 0, left to right): "1", "2", ...
std::string xLineName(std::size_t index);
// The name of the Z line at `index` (from 0, top to bottom): "A" ... "Z" without "I" and "O",
// which read as one and nought, then "AA", "AB", ...
std::string zLineName(std::size_t index);

// Lines by their coordinates (hundredths of a metre), ascending, with their building names.
struct GridLineSet {
    std::vector<float> x;
    std::vector<float> z;
    std::vector<std::string> xNames;
    std::vector<std::string> zNames;
};

// Every line of the building.
GridLineSet buildingGridLines(const Grid& grid);

// The lines the joints of `level` (1 .. the level count) stand on, named as the building names
// them; none for any other level.
GridLineSet levelGridLines(const Grid& grid, int level);

// "C/4": the Z line and the X line of `lines` nearest to the point; empty for a set without lines
// and for a point more than a quarter metre outside them.
std::string nearestIntersection(const GridLineSet& lines, double x, double z);

// The names of the building's lines at a coordinate; empty where no line runs.
std::string xLineNameAt(const Grid& grid, float x);
std::string zLineNameAt(const Grid& grid, float z);

// "B–D/1–2": the lines a rectangle lies between, Z lines first as intersections are named; empty
// when an edge lies on no line of the building.
std::string gridBayText(const Grid& grid, const PanelBounds& bounds);

// "A/1–2" for a line along X from (x1, z) to (x2, z), "A–B/1" for one along Z: the line it runs
// on and the lines it runs between; empty when a point lies on no line.
std::string gridLineText(const Grid& grid, float x1, float z1, float x2, float z2);

}  // namespace fp

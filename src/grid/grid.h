// The grid of distinct joint coordinates, and the joint at each grid point.
#pragma once

#include <cstdint>

#include "grid/grid_axis.h"
#include "grid/grid_map.h"
#include "model/records.h"

namespace fp {

struct Grid {
    GridAxis x{"distinct X coordinates"};
    GridAxis y{"distinct Y coordinates (levels)"};
    GridAxis z{"distinct Z coordinates"};
    // The number of the joint at each grid point; 0 where none sits. Where several joints share
    // a point, the one read last is kept.
    GridMap<int16_t> joints;

    int levelCount() const { return y.count(); }
};

// The sorted coordinate lines of the joints and the joint at every grid point. More than 100
// distinct coordinates on an axis ends the reading.
Grid buildGrid(const JointList& joints);

}  // namespace fp

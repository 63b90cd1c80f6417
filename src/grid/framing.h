// The framing of every level: the beams along the grid lines and the panel edges they make.
#pragma once

#include <cstdint>

#include "grid/grid.h"
#include "grid/grid_map.h"
#include "model/records.h"

namespace fp {

// Which beams leave a grid point, each named after the direction it leaves in. Grid points
// strictly between a beam's two joints carry both flags of that beam's direction.
struct BeamEdges {
    bool minusZ = false;
    bool plusZ = false;
    bool plusX = false;
    bool minusX = false;
};

// The number of a beam's design row, counting the design rows of the listing from 1; 0 where no
// designed beam leaves the point.
using DesignRowNumber = int16_t;

struct Framing {
    // The design row of the beam leaving each joint towards +X, and towards +Z.
    GridMap<DesignRowNumber> xBeams;
    GridMap<DesignRowNumber> zBeams;
    GridMap<BeamEdges> edges;
};

// A beam of a level is a member between two joints of that level on one X (or Z) line with no
// joint of the level between them; the member is found by its ends in the +X (+Z) direction,
// as the reader orients members, and its design row is the member's first. Beams without a
// design row still make panel edges. The lowest level gets no beams and no edges.
Framing deriveFrames(const Grid& grid, const MemberList& members, const DesignRowList& designRows);

}  // namespace fp

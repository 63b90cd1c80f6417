// Finding the slab panels of a level: the rectangles of its grid that beams close.
#pragma once

#include <functional>

#include "structure/level_framing.h"

namespace fp {

// A panel by the grid lines of two opposite corners: (ix, iz) and (ix2, iz2), ix < ix2, iz < iz2.
struct SlabPanel {
    int ix = 0;
    int iz = 0;
    int ix2 = 0;
    int iz2 = 0;

    friend bool operator==(const SlabPanel&, const SlabPanel&) = default;
};

// Scans the level X line by X line and calls `found` with each panel the moment it is found; the
// scan stops when `found` returns false.
void findPanels(const LevelFraming& framing, const std::function<bool(const SlabPanel&)>& found);

}  // namespace fp

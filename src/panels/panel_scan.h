// Finding the slab panels of a level: the rectangles of its grid that beams close.
#pragma once

#include <functional>

#include "document/listing_document.h"

namespace fp {

// A panel by the grid lines of two opposite corners: (ix, iz) and (ix2, iz2), ix < ix2, iz < iz2.
struct SlabPanel {
    int ix = 0;
    int iz = 0;
    int ix2 = 0;
    int iz2 = 0;
};

inline constexpr int kMaxPanelsOnALevel = 200;

// Scans `level` X line by X line and calls `found` with each panel the moment it is found,
// before the scan goes on. A 201st panel throws ListingError naming the level.
void findPanels(const ListingDocument& document, int level,
                const std::function<void(const SlabPanel&)>& found);

}  // namespace fp

// The changes on one level between two listings: beams, panels, floor and member loads, totals.
#pragma once

#include "compare/listing_comparison.h"

namespace fp {

// Compares the level `oldLevel` of `before` with `newLevel` of `after`, both at `height`
// (hundredths of a metre); a level number of 0 means that listing has no level there. A level
// past a drawing limit in either listing is not compared: its problems say why.
LevelComparison compareLevel(const ListingDocument& before, int oldLevel,
                             const ListingDocument& after, int newLevel, float height);

}  // namespace fp

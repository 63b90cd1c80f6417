// The changes on one level between two listings: beams, panels, floor and member loads, totals.
#pragma once

#include "compare/listing_comparison.h"
#include "plan/level_beams.h"

namespace fp {

// Compares the level `oldLevel` of `before` with `newLevel` of `after`, both at `height`
// (hundredths of a metre); a level number of 0 means that listing has no level there. A level
// past a drawing limit in either listing is not compared: its problems say why.
// Where a beam of `level` stands: from its start to the next joint of the level along its line.
BeamPlace beamPlace(const ListingDocument& document, int level, const LevelBeam& beam);

LevelComparison compareLevel(const ListingDocument& before, int oldLevel,
                             const ListingDocument& after, int newLevel, float height);

}  // namespace fp

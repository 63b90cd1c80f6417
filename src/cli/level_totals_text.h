// The level totals as "frameplan info" prints them.
#pragma once

#include <ostream>

#include "document/listing_document.h"

namespace fp {

// For every level from the second up (the lowest has no beams and so no panels): its panels,
// those without floor load, and each floor-load case's load in kN with the panels carrying it.
// A level past a panel limit prints its message in place of its totals.
void writeLevelTotals(std::ostream& out, const ListingDocument& document);

}  // namespace fp

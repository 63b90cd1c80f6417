// The takedown as "frameplan takedown" prints it for people.
#pragma once

#include <ostream>
#include <vector>

#include "document/listing_document.h"
#include "takedown/takedown.h"

namespace fp {

// Every column stack with its load added and its load below at each level, for each choice;
// the levels' totals; the loads that find no column; and the equilibrium of each choice. Only
// the rows of `onlyLevel` when it is not 0.
void writeTakedownReport(std::ostream& out, const ListingDocument& document,
                         const Takedown& takedown, const std::vector<LoadChoice>& choices,
                         int onlyLevel);

}  // namespace fp

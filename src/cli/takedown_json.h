// The takedown as "frameplan takedown --json" writes it for scripts.
#pragma once

#include <ostream>
#include <vector>

#include "document/listing_document.h"
#include "takedown/takedown.h"

namespace fp {

// One object: the cases and combinations with their equilibrium, the column stacks with their
// rows, the levels' totals and the unsupported loads, each load given for every choice. Only
// the rows of `onlyLevel` when it is not 0.
void writeTakedownJson(std::ostream& out, const ListingDocument& document, const Takedown& takedown,
                       const std::vector<LoadChoice>& choices, int onlyLevel);

}  // namespace fp

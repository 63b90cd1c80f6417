// The changes between two listings as JSON, in the schema the README documents.
#pragma once

#include <ostream>

#include "compare/listing_comparison.h"

namespace fp {

void writeComparisonJson(std::ostream& out, const ListingComparison& comparison);

}  // namespace fp

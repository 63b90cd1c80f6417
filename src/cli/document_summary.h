// A short account of a listing for people: "frameplan info LISTING".
#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>

#include "document/listing_document.h"

namespace fp {

// Joints, members, design rows and plan beams, levels, floor loads per load case, the load
// values, the number of messages shown, the time the reading took, and the totals of each level.
void writeDocumentSummary(std::ostream& out, const ListingDocument& document,
                          std::size_t messageCount, std::chrono::steady_clock::duration readTime);

}  // namespace fp

// What "frameplan compare" asks: both listings, the level, and the PDF to write; and the two
// listings read and compared, for the command line and the program that draws alike.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "compare/listing_comparison.h"
#include "document/listing_document.h"

namespace fp {

struct CompareRequest {
    std::string oldListing;
    std::string newListing;
    // Only the level at this height in metres, as the user wrote it; empty for every level.
    std::string levelHeight;
    // The PDF to write; empty for none.
    std::string pdf;
};

struct ComparedListings {
    ListingDocument after;
    ListingComparison comparison;
};

// Reads both listings, one after the other, and compares them. A listing that cannot be read,
// or a height that is no number or no level of either listing, is told on `err` and gives
// nothing.
std::optional<ComparedListings> compareRequested(const CompareRequest& request, std::ostream& err);

}  // namespace fp

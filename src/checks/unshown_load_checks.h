// Checking for the loads the analysis applies that no plan shows.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

namespace fp {

// Adds each floor load acting upward or in another direction than GY (a warning: neither the
// plan nor the level totals have it), and each uniform member load other than a downward one in
// GY (a warning when it acts upward, else a note), with what it is, where and its line.
void checkUnshownLoads(const ListingDocument& document, std::vector<Finding>& findings);

}  // namespace fp

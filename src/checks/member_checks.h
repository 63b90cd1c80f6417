// Checking the members: member loads that no plan shows, and beams without a design block.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

namespace fp {

// Adds the member loads naming a member the listing lacks, a column, or a beam without a design
// block (one finding per load line, kind and level); the beams without a design block while
// other beams have one; and, when no beam has one, the missing design output.
void checkMembers(const ListingDocument& document, std::vector<Finding>& findings);

}  // namespace fp

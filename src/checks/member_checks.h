// Checking the members: member loads that no plan shows, and beams without a design block.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

namespace fp {

// Adds the member loads naming a member the listing lacks or a column (one finding per line the
// members are written on), or a beam no plan draws (one finding per beam and line, with the
// reason); the beams without a design block while other beams have one; and, when no beam has
// one, the missing design output.
void checkMembers(const ListingDocument& document, std::vector<Finding>& findings);

}  // namespace fp

// Checking the floor loads against the panels of every level.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

namespace fp {

// Adds to `findings` the floor loads that cover panels in part, act on no panel or meet no
// level, the panels loaded twice in one case, and the panels a case leaves out while it loads
// most of their level. A level past a panel limit gets one finding and is passed over.
void checkFloorLoads(const ListingDocument& document, std::vector<Finding>& findings);

}  // namespace fp

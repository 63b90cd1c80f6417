// Checking the joints: one put down a little off its grid line takes its members off the plans.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

namespace fp {

// Adds, for each joint that stands a little off the grid line of the other end of one or more of
// its members (see lineMissOf), one finding per line it misses: the joint, its line in the
// listing, the grid line and the distance, and the members it takes off the plans.
void checkJointsOffLines(const ListingDocument& document, std::vector<Finding>& findings);

}  // namespace fp

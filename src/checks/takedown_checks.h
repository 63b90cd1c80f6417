// Checking the load paths: the loads the takedown cannot follow to a column.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "takedown/takedown.h"

namespace fp {

// Adds a finding for each load the takedown leaves unsupported, with its kN: at a joint from
// which no column is reached, at the end of a beam resting on nothing (whether or not it carries
// a load), and on a part of a panel's side with no beam. A listing with no columns at all gets
// one note instead.
void checkLoadPaths(const Takedown& takedown, std::vector<Finding>& findings);

}  // namespace fp

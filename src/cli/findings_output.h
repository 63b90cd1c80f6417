// The findings of a check as "frameplan check" prints them: text for people, JSON for scripts.
#pragma once

#include <ostream>
#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

namespace fp {

// A heading with the counts, then the findings grouped by level (the listing as a whole first)
// and by kind, each with its severity, listing lines, load case and sentence.
void writeFindingsText(std::ostream& out, const ListingDocument& document,
                       const std::vector<Finding>& findings);

// One JSON object: {"listing", "warnings", "notes", "findings": [...]}, each finding with its
// kind, severity, level and height, place, lines, case, numbers and text (see the README).
void writeFindingsJson(std::ostream& out, const ListingDocument& document,
                       const std::vector<Finding>& findings);

}  // namespace fp

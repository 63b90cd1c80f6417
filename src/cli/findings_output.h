// The findings of a check as "frameplan check" prints them: text for people, JSON for scripts.
#pragma once

#include <ostream>
#include <vector>

#include "checks/accepted_findings.h"
#include "document/listing_document.h"

namespace fp {

// A heading with the counts, then the findings not accepted grouped by level (the listing as a
// whole first) and by kind, each with its id, severity, listing lines, load case and sentence.
// The accepted findings follow apart, each with its reason, when `all`; a line counts them
// otherwise.
void writeFindingsText(std::ostream& out, const ListingDocument& document,
                       const std::vector<JudgedFinding>& findings, bool all);

// One JSON object: {"listing", "warnings", "notes", "accepted", "findings": [...]}, each finding
// with its id, kind, severity, level and height, place, lines, case, numbers and text, and an
// accepted one (listed only when `all`) with its reason (see the README). The warnings and notes
// are those not accepted.
void writeFindingsJson(std::ostream& out, const ListingDocument& document,
                       const std::vector<JudgedFinding>& findings, bool all);

}  // namespace fp

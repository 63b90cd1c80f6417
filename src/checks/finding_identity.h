// How a finding is known again after the analysis is run again: by its kind, its level's height,
// its place and its load case, never by its listing lines, which move with every edit above
// them. Findings alike in all four (two partial floor loads on one panel) are told apart by
// their order among themselves, which edits elsewhere do not change.
#pragma once

#include <string>
#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

namespace fp {

// Each finding's id for people to read and type: eight hexadecimal digits, the same for the same
// kind, level height, place, load case and order among those alike in any run of the analysis.
std::vector<std::string> findingIds(const std::vector<Finding>& findings,
                                    const ListingDocument& document);

}  // namespace fp

// A member's member loads summed case by case, as two listings' loads are compared.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/listing_document.h"

namespace fp {

// The sum of one case's loads on a member, in kN/m, and the line of its first load; 0 and 0 for
// a case with none.
struct CaseSum {
    double value = 0;
    long line = 0;
};

// Member 0 stands for a member one listing does not have: it carries no load.
CaseSum memberLoadOfCase(const ListingDocument& document, int32_t member,
                         const std::string& caseNumber);

// The cases with a load on `oldMember` of `before` or on `newMember` of `after`, those of the
// first in the order read, then the others.
std::vector<std::string> memberLoadCases(const ListingDocument& before, int32_t oldMember,
                                         const ListingDocument& after, int32_t newMember);

}  // namespace fp

#include "compare/member_load_sums.h"

#include <algorithm>

namespace fp {

CaseSum memberLoadOfCase(const ListingDocument& document, int32_t member,
                         const std::string& caseNumber) {
    CaseSum sum;
    if (member == 0) {
        return sum;
    }
    for (const MemberLoad& load : document.memberLoadsOn(member)) {
        if (load.caseNumber == caseNumber) {
            sum.value += load.value;
            sum.line = sum.line == 0 ? load.line : sum.line;
        }
    }
    return sum;
}

std::vector<std::string> memberLoadCases(const ListingDocument& before, int32_t oldMember,
                                         const ListingDocument& after, int32_t newMember) {
    std::vector<std::string> numbers;
    for (const auto& [document, member] :
         {std::pair{&before, oldMember}, std::pair{&after, newMember}}) {
        if (member == 0) {
            continue;
        }
        for (const MemberLoad& load : document->memberLoadsOn(member)) {
            if (std::find(numbers.begin(), numbers.end(), load.caseNumber) == numbers.end()) {
                numbers.push_back(load.caseNumber);
            }
        }
    }
    return numbers;
}

}  // namespace fp

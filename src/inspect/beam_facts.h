// What a beam of a level is made of: its joints, its design block and the member loads on it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/listing_document.h"

namespace fp {

// The sum of one load case's loads, in the order the cases first appear.
struct CaseSum {
    CaseNumber caseNumber;
    double sum = 0;
};

struct BeamFacts {
    int serial = 0;
    LevelBeam beam;
    // The member's joint numbers, and its joints: nothing for a number the listing does not
    // have.
    int32_t startJoint = 0;
    int32_t endJoint = 0;
    std::optional<Joint> start;
    std::optional<Joint> end;
    // Of the design block's "B E A M  N O." header.
    long designLine = 0;
    // In the order read.
    std::vector<MemberLoad> loads;
    // kN/m per load case.
    std::vector<CaseSum> sums;
};

// The facts of the beam with serial number `serial` on its level's plan. Without `withJoints`
// the joints are not looked for, which a table of many beams does not show.
BeamFacts beamFacts(const ListingDocument& document, int serial, const LevelBeam& beam,
                    bool withJoints = true);

// Adds `value` to the sum of `caseNumber`, starting one at the end when the case has none yet.
void addToCase(std::vector<CaseSum>& sums, const CaseNumber& caseNumber, double value);

}  // namespace fp

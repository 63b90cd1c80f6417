// The structure of a listing: its unit line, its joint coordinates and member incidences.
#pragma once

#include "model/records.h"
#include "reader/listing_source.h"

namespace fp {

struct Structure {
    JointList joints{"joints"};
    MemberList members{"members"};
};

// Reads the first "UNIT" line, which must name metres, then the JOINT COORDINATES section and
// the MEMBER INCIDENCES section after it. A listing without them, in other units, or with more
// than the program holds throws ListingError naming the line.
Structure readStructure(ListingSource& listing);

// Turns every member to run from its lower joint to its higher one: when the start joint lies
// beyond the end joint in X, Y or Z, the two are exchanged. A joint that is not in the list
// counts as a joint at the origin.
void orientMembers(MemberList& members, const JointList& joints);

}  // namespace fp

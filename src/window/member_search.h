// Finding a member's beam on the plans, or telling plainly why it is not on any.
#pragma once

#include <string>

#include "document/listing_document.h"

namespace fp {

struct MemberSearch {
    // The level its beam is drawn on and its serial number there; 0 when it is not drawn.
    int level = 0;
    int serial = 0;
    // Why it is not drawn: not in the listing, a column, a beam without a design block, ...
    std::string answer;
};

MemberSearch searchMember(const ListingDocument& document, long member);

}  // namespace fp

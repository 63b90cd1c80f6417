// The member's joints tell its level; the level's beams tell its serial number.
#include "window/member_search.h"

#include <algorithm>

#include "model/listing_error.h"
#include "model/number_text.h"
#include "plan/level_beams.h"

namespace fp {
namespace {

const Joint* jointOf(const ListingDocument& document, int32_t number) {
    const auto found =
        std::find_if(document.joints.begin(), document.joints.end(),
                     [number](const Joint& joint) { return joint.number == number; });
    return found != document.joints.end() ? &*found : nullptr;
}

std::string heightText(float hundredths) {
    return valueText(static_cast<float>(metres(hundredths))) + " m";
}

}  // namespace

MemberSearch searchMember(const ListingDocument& document, long member) {
    MemberSearch search;
    const std::string name = "Member " + std::to_string(member);
    const auto found = std::find_if(document.members.begin(), document.members.end(),
                                    [member](const Member& m) { return m.number == member; });
    if (found == document.members.end()) {
        search.answer = name + " is not in the listing.";
        return search;
    }
    const Joint* start = jointOf(document, found->start);
    const Joint* end = jointOf(document, found->end);
    if (start == nullptr || end == nullptr) {
        search.answer = name + " joins a joint the listing does not have, so it is not drawn.";
        return search;
    }
    if (start->y != end->y) {
        search.answer = name + " is a column, from " + heightText(start->y) + " to " +
                        heightText(end->y) + "; the plans show beams only.";
        return search;
    }
    const bool designed =
        std::any_of(document.designRows.begin(), document.designRows.end(),
                    [member](const DesignRow& row) { return row.member == member; });
    if (!designed) {
        search.answer = name + " is a beam without a design block, so it is not drawn.";
        return search;
    }
    const int level = document.levelAtHeight(start->y);
    const std::string where = "the level at " + heightText(start->y);
    try {
        const std::vector<LevelBeam> beams = beamsOfLevel(document, level);
        for (std::size_t i = 0; i < beams.size(); ++i) {
            if (beams[i].member == member) {
                search.level = level;
                search.serial = static_cast<int>(i) + 1;
                return search;
            }
        }
    } catch (const ListingError& failure) {
        search.answer = name + " is on " + where + ", which cannot be drawn: " + failure.message();
        return search;
    }
    search.answer = level == 1 ? name + " is on the lowest level, whose beams are not drawn."
                               : name + " is on " + where +
                                     " but is not drawn: it does not run along a grid line "
                                     "between two neighbouring joints.";
    return search;
}

}  // namespace fp

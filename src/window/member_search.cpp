// The member's joints tell its level; the level's beams tell its serial number.
#include "window/member_search.h"

#include <cstdint>

#include "structure/place_text.h"

namespace fp {

MemberSearch searchMember(const ListingDocument& document, long member) {
    MemberSearch search;
    const std::string name = "Member " + std::to_string(member);
    if (member < INT32_MIN || member > INT32_MAX) {
        search.answer = name + " is not in the listing.";
        return search;
    }
    const MemberFacts facts = document.member(static_cast<int32_t>(member));
    switch (facts.shape) {
        case MemberShape::Missing:
            search.answer = name + " is not in the listing.";
            return search;
        case MemberShape::Unjoined:
            search.answer = name + " joins a joint the listing does not have, so it is not drawn.";
            return search;
        case MemberShape::Column:
            search.answer = name + " is a column, from " + levelHeightText(facts.start.y) + " to " +
                            levelHeightText(facts.end.y) + "; the plans show beams only.";
            return search;
        case MemberShape::Other:
            search.answer = name +
                            " is neither a beam along a grid line nor a column, so no plan "
                            "draws it.";
            return search;
        case MemberShape::BeamAlongX:
        case MemberShape::BeamAlongZ:
            break;
    }
    if (facts.designRow == 0) {
        search.answer = name + " is a beam without a design block, so it is not drawn.";
        return search;
    }
    const std::string where = "the level at " + levelHeightText(facts.start.y);
    if (facts.onPlan) {
        const LevelModel& level = document.level(facts.level);
        if (level.beamsError) {
            search.answer = name + " is on " + where +
                            ", which cannot be drawn: " + level.beamsError->message();
            return search;
        }
        search.level = facts.level;
        search.serial = level.serialOf(facts.number);
        return search;
    }
    search.answer = !levelHasBeams(facts.level)
                        ? name + " is on the lowest level, whose beams are not drawn."
                        : name + " is on " + where +
                              " but is not drawn: it does not run along a grid line between "
                              "two neighbouring joints.";
    return search;
}

}  // namespace fp

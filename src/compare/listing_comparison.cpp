// Comparing two listings: their load cases, joints and members as a whole, then level by level.
#include "compare/listing_comparison.h"

#include <algorithm>
#include <map>

#include "compare/level_comparison.h"
#include "compare/member_load_sums.h"
#include "panels/level_totals.h"

namespace fp {
namespace {

std::string headerText(const LoadCase& loadCase) {
    return loadCase.header;
}

std::vector<LoadCaseChange> compareLoadCases(const ListingDocument& before,
                                             const ListingDocument& after) {
    std::vector<LoadCaseChange> changes;
    for (const LoadCase& old : before.loadCases) {
        const LoadCase* now = after.loadCase(old.number);
        if (now == nullptr) {
            changes.push_back(LoadCaseChange{
                ChangeKind::Removed, old.number, headerText(old), {}, ListingLines{old.line, 0}});
        } else if (headerText(old) != headerText(*now)) {
            changes.push_back(LoadCaseChange{ChangeKind::Retitled, old.number, headerText(old),
                                             headerText(*now), ListingLines{old.line, now->line}});
        }
    }
    for (const LoadCase& now : after.loadCases) {
        if (before.loadCase(now.number) == nullptr) {
            changes.push_back(LoadCaseChange{
                ChangeKind::Added, now.number, {}, headerText(now), ListingLines{0, now.line}});
        }
    }
    return changes;
}

std::vector<JointMove> movedJoints(const ListingDocument& before, const ListingDocument& after) {
    std::vector<JointMove> moves;
    for (const Joint& old : before.joints) {
        const Joint* now = after.joint(old.number);
        // A later joint of a number is no joint of the structure.
        if (before.joint(old.number) == &old && now != nullptr &&
            (now->x != old.x || now->y != old.y || now->z != old.z)) {
            moves.push_back(JointMove{old, *now});
        }
    }
    std::sort(moves.begin(), moves.end(), [](const JointMove& a, const JointMove& b) {
        return a.before.number < b.before.number;
    });
    return moves;
}

ModelPoint pointOf(const Joint& joint) {
    return ModelPoint{joint.x, joint.y, joint.z};
}

using MemberPlace = std::pair<ModelPoint, ModelPoint>;

// The members at each place, in the order read; a member whose joints are not in the listing
// has no place and is left out.
std::map<MemberPlace, std::vector<int32_t>> membersByPlace(const ListingDocument& document) {
    std::map<MemberPlace, std::vector<int32_t>> byPlace;
    for (const Member& member : document.members) {
        const Joint* start = document.joint(member.start);
        const Joint* end = document.joint(member.end);
        if (start != nullptr && end != nullptr) {
            byPlace[{pointOf(*start), pointOf(*end)}].push_back(member.number);
        }
    }
    return byPlace;
}

std::vector<MemberChange> compareMembers(const ListingDocument& before,
                                         const ListingDocument& after) {
    auto was = membersByPlace(before);
    auto is = membersByPlace(after);
    std::vector<MemberChange> changes;
    const std::vector<int32_t> none;
    for (auto& [place, oldNumbers] : was) {
        const auto found = is.find(place);
        const std::vector<int32_t>& newNumbers = found == is.end() ? none : found->second;
        const std::size_t paired = std::min(oldNumbers.size(), newNumbers.size());
        for (std::size_t i = 0; i < paired; ++i) {
            if (oldNumbers[i] != newNumbers[i]) {
                changes.push_back(MemberChange{ChangeKind::Renumbered, oldNumbers[i], newNumbers[i],
                                               place.first, place.second});
            }
        }
        for (std::size_t i = paired; i < oldNumbers.size(); ++i) {
            changes.push_back(
                MemberChange{ChangeKind::Removed, oldNumbers[i], 0, place.first, place.second});
        }
        for (std::size_t i = paired; i < newNumbers.size(); ++i) {
            changes.push_back(
                MemberChange{ChangeKind::Added, 0, newNumbers[i], place.first, place.second});
        }
    }
    for (const auto& [place, newNumbers] : is) {
        if (!was.contains(place)) {
            for (const int32_t number : newNumbers) {
                changes.push_back(
                    MemberChange{ChangeKind::Added, 0, number, place.first, place.second});
            }
        }
    }
    return changes;
}

// The member loads on `member` of `document` that no level compares: those on a member no plan
// draws. Member 0 when a plan draws it.
int32_t offPlan(const ListingDocument& document, int32_t member) {
    return document.member(member).drawn() ? 0 : member;
}

std::vector<int32_t> loadedMembers(const ListingDocument& before, const ListingDocument& after) {
    std::vector<int32_t> members;
    for (const ListingDocument* document : {&before, &after}) {
        for (const MemberLoad& load : document->memberLoadsByMember) {
            members.push_back(load.member);
        }
    }
    std::sort(members.begin(), members.end());
    members.erase(std::unique(members.begin(), members.end()), members.end());
    return members;
}

std::vector<OffPlanMemberLoadChange> compareOffPlanMemberLoads(const ListingDocument& before,
                                                               const ListingDocument& after) {
    std::vector<OffPlanMemberLoadChange> changes;
    for (const int32_t member : loadedMembers(before, after)) {
        const int32_t oldMember = offPlan(before, member);
        const int32_t newMember = offPlan(after, member);
        for (const std::string& number : memberLoadCases(before, oldMember, after, newMember)) {
            const CaseSum was = memberLoadOfCase(before, oldMember, number);
            const CaseSum is = memberLoadOfCase(after, newMember, number);
            if (was.value != is.value) {
                changes.push_back(OffPlanMemberLoadChange{member, number, was.value, is.value,
                                                          ListingLines{was.line, is.line}});
            }
        }
    }
    return changes;
}

// The heights of the levels of both listings, ascending.
std::vector<float> levelHeights(const ListingDocument& before, const ListingDocument& after) {
    std::vector<float> heights;
    for (const ListingDocument* document : {&before, &after}) {
        for (int level = 1; level <= document->levelCount(); ++level) {
            heights.push_back(document->levelHeight(level));
        }
    }
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    return heights;
}

bool sameTexts(const std::vector<ListingMessage>& a, const std::vector<ListingMessage>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const ListingMessage& x, const ListingMessage& y) { return x.text == y.text; });
}

void nameCases(const ListingDocument& document, std::map<std::string, std::string>& names) {
    for (const LoadCase& loadCase : document.loadCases) {
        names[loadCase.number] = loadCaseName(document, loadCase.number);
    }
}

}  // namespace

BeamPlace placeOf(const LevelBeam& beam) {
    return {beam.start(), beam.farJoint};
}

std::string ListingComparison::caseName(const std::string& number) const {
    const auto named = caseNames.find(number);
    if (named != caseNames.end()) {
        return named->second;
    }
    return number.empty() ? "No load case" : "Case " + number;
}

bool ListingComparison::same() const {
    return loadCases.empty() && joints.empty() && members.empty() && offPlanMemberLoads.empty() &&
           std::all_of(levels.begin(), levels.end(),
                       [](const LevelComparison& level) { return level.same(); }) &&
           sameTexts(oldMessages, newMessages);
}

ListingComparison compareListings(const ComparedListing& before, const ComparedListing& after,
                                  std::optional<float> onlyHeight) {
    const ListingDocument& was = before.document;
    const ListingDocument& is = after.document;
    ListingComparison comparison;
    comparison.oldName = was.name;
    comparison.newName = is.name;
    comparison.loadCases = compareLoadCases(was, is);
    comparison.joints = movedJoints(was, is);
    comparison.members = compareMembers(was, is);
    comparison.offPlanMemberLoads = compareOffPlanMemberLoads(was, is);
    for (const float height : levelHeights(was, is)) {
        if (!onlyHeight || *onlyHeight == height) {
            comparison.levels.push_back(
                compareLevel(was, was.levelAtHeight(height), is, is.levelAtHeight(height), height));
        }
    }
    comparison.oldMessages = before.messages;
    comparison.newMessages = after.messages;
    nameCases(was, comparison.caseNames);
    nameCases(is, comparison.caseNames);
    return comparison;
}

}  // namespace fp

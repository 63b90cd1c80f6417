// The loads the plans leave out, each told with what the analysis applies.
#include "checks/unshown_load_checks.h"

#include "checks/finding_text.h"
#include "model/text_encoding.h"
#include "structure/floor_load_reach.h"

namespace fp {
namespace {

std::string caseText(const std::string& caseNumber) {
    return caseNumber.empty() ? "no load case" : "load case " + utf8FromListingText(caseNumber);
}

// The level the load's Y range meets when it meets one only; 0 otherwise.
int onlyLevelReached(const ListingDocument& document, const FloorLoad& load) {
    const std::vector<int> levels = levelsReached(document.grid.y, load);
    return levels.size() == 1 ? levels.front() : 0;
}

// "4.5 kN/m² acting upward", "-4.5 kN/m² in GZ".
std::string actionText(const UnshownFloorLoad& unshown) {
    const float value = unshown.load.intensity;
    if (unshown.direction == "GY") {
        return shortText(value) + " kN/m\u00b2 acting upward";
    }
    return shortText(value) + " kN/m\u00b2 in " + utf8FromListingText(unshown.direction);
}

Finding floorLoadFinding(const ListingDocument& document, const UnshownFloorLoad& unshown) {
    const FloorLoad& load = unshown.load;
    const bool upward = unshown.direction == "GY";
    return Finding{
        .kind = FindingKind::FloorLoadNotShown,
        .severity = Severity::Warning,
        .level = onlyLevelReached(document, load),
        .place = FindingPlace::range(load.x1, load.x2, load.z1, load.z2),
        .lines = {load.line},
        .caseNumber = load.caseNumber,
        .numbers = {{"intensity", load.intensity, "kN/m\u00b2"}},
        .sentence = "The floor load of " + actionText(unshown) + " (" + caseText(load.caseNumber) +
                    ") over " + rangeText(load.x1, load.x2, load.z1, load.z2) + ", Y " +
                    shortText(load.y1) + " to " + shortText(load.y2) +
                    " m, is applied by the analysis, but the plans show downward floor loads in "
                    "GY only: neither the plan nor the level totals have it. " +
                    (upward ? "Check its sign." : "Check its direction.")};
}

Finding memberLoadFinding(const UnshownMemberLoad& unshown) {
    return Finding{
        .kind = FindingKind::MemberLoadNotShown,
        .severity = unshown.upward ? Severity::Warning : Severity::Note,
        .level = 0,
        .place = {},
        .lines = {unshown.line},
        .caseNumber = unshown.caseNumber,
        .numbers = {},
        .sentence =
            "The member load \u00ab" + utf8FromListingText(unshown.load) + "\u00bb (" +
            caseText(unshown.caseNumber) + ") on members " + utf8FromListingText(unshown.members) +
            " is applied by the analysis, but the plans show downward uniform "
            "member loads in GY only, so no plan shows it. " +
            (unshown.upward ? "It acts upward: check its sign." : "Check that it is meant.")};
}

}  // namespace

void checkUnshownLoads(const ListingDocument& document, std::vector<Finding>& findings) {
    const UnshownLoads& unshown = document.unshownLoads;
    for (const UnshownFloorLoad& load : unshown.floorLoads.items) {
        findings.push_back(floorLoadFinding(document, load));
    }
    if (unshown.floorLoads.leftOut > 0) {
        findings.push_back(findingsLeftOut(FindingKind::FloorLoadNotShown,
                                           unshown.floorLoads.leftOut,
                                           "floor loads the plans do not show"));
    }
    for (const UnshownMemberLoad& load : unshown.memberLoads.items) {
        findings.push_back(memberLoadFinding(load));
    }
    if (unshown.memberLoads.leftOut > 0) {
        findings.push_back(findingsLeftOut(FindingKind::MemberLoadNotShown,
                                           unshown.memberLoads.leftOut,
                                           "member loads the plans do not show"));
    }
}

}  // namespace fp

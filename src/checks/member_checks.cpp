// The members and their loads, checked against what the plans draw.
#include "checks/member_checks.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "checks/finding_text.h"
#include "model/number_text.h"

namespace fp {
namespace {

// Why a plan does not show a load on a member that is no column and is in the listing.
enum class NotShown {
    Drawn,             // it is shown
    WithoutDesign,     // a beam of a plan without a design block
    LowestLevel,       // a beam of the lowest level, which no plan draws
    PassesOverJoint,   // a beam along a grid line past another joint of its level
    JoinsSameJoints,   // another member joins its two joints, and the plan has that one
    JointMissing,      // a joint it names is not in the listing
    JointOffLine,      // a joint of it stands a little off the line of its other end
    NotAlongGridLine,  // inclined, or of no length
};

NotShown whyNotShown(const MemberFacts& facts) {
    if (facts.drawn()) {
        return NotShown::Drawn;
    }
    if (facts.onPlan) {
        return NotShown::WithoutDesign;
    }
    if (facts.shape == MemberShape::Unjoined) {
        return NotShown::JointMissing;
    }
    if (!facts.offLine.empty()) {
        return NotShown::JointOffLine;
    }
    if (!facts.isBeam()) {
        return NotShown::NotAlongGridLine;
    }
    if (!levelHasBeams(facts.level)) {
        return NotShown::LowestLevel;
    }
    return facts.passesOverJoint ? NotShown::PassesOverJoint : NotShown::JoinsSameJoints;
}

FindingPlace placeOf(const MemberFacts& facts) {
    if (facts.shape == MemberShape::Missing || facts.shape == MemberShape::Unjoined ||
        facts.isColumn()) {
        return {};
    }
    return FindingPlace::beam(facts.number, metres(facts.start.x), metres(facts.start.z),
                              metres(facts.end.x), metres(facts.end.z));
}

// Why no plan shows the load, after "names member 12".
std::string reasonText(NotShown reason, const MemberFacts& facts) {
    switch (reason) {
        case NotShown::WithoutDesign:
            return ", a beam without a design block: no plan draws it, so the load is not shown. "
                   "Check that the beam is designed.";
        case NotShown::LowestLevel:
            return ", a beam of the lowest level, the supports, where no plan draws beams: the "
                   "load is not shown.";
        case NotShown::PassesOverJoint:
            return ", which runs past another joint of its level: it is not a beam of any plan, "
                   "so the load is not shown. Check the member incidences.";
        case NotShown::JoinsSameJoints:
            return ", which joins the same two joints as another member, the one the plan has "
                   "there: the load is not shown. Check the member incidences.";
        case NotShown::JointMissing:
            return ", which names a joint the listing does not have: no plan has it, so the load "
                   "is not shown. Check the joint coordinates.";
        case NotShown::JointOffLine: {
            const JointOffLine& off = facts.offLine.front();
            return ", whose joint " + std::to_string(off.joint.number) + " stands " +
                   shortText(metres(off.distance())) +
                   " m off the grid line of its other end: no plan has it, so the load is not "
                   "shown. Check the joint's coordinates.";
        }
        case NotShown::NotAlongGridLine:
        case NotShown::Drawn:
            break;
    }
    return ", which is neither a beam along a grid line nor a column: no plan shows the load.";
}

// The members of one load line that no plan shows, of one kind and level, each named once.
struct UnshownLoad {
    std::vector<int> members;
    float value = 0;
    CaseNumber caseNumber;
    FindingPlace place;
    // Why no plan shows it, for a beam no plan draws.
    std::string why;
};

Finding unshownLoadFinding(FindingKind kind, int level, long line, const UnshownLoad& load) {
    const bool one = load.members.size() == 1;
    const std::string members = (one ? "member " : "members ") + numbersText(load.members);
    const std::string what = "The member load of " + shortText(load.value) + " kN/m on line " +
                             std::to_string(line) + " names " + members;
    std::string sentence;
    Severity severity = Severity::Warning;
    if (kind == FindingKind::MemberLoadOnNoMember) {
        sentence = what + ", which the listing does not have. Check the member numbers.";
    } else if (kind == FindingKind::MemberLoadOnColumn) {
        sentence = what + (one ? ", a column" : ", columns") +
                   ": the load acts along it and no plan shows it. Check the member numbers.";
    } else {
        severity = Severity::Note;
        sentence = what + load.why;
    }
    return Finding{.kind = kind,
                   .severity = severity,
                   .level = level,
                   .place = load.place,
                   .lines = {line},
                   .caseNumber = load.caseNumber,
                   .numbers = {{"load", load.value, "kN/m"},
                               {"members", static_cast<double>(load.members.size()), ""}},
                   .sentence = sentence};
}

// Loads on members the listing lacks, and on columns, are told line by line; a load on a beam no
// plan draws is told beam by beam, each at its own place.
void checkMemberLoads(const ListingDocument& document, bool anyDesign,
                      std::vector<Finding>& findings) {
    // By line, kind, level, reason and, for beams, member: the findings come in the listing's
    // order.
    std::map<std::tuple<long, FindingKind, int, NotShown, int32_t>, UnshownLoad> unshown;
    for (const MemberLoad& load : document.memberLoadsByMember) {
        const MemberFacts facts = document.member(load.member);
        FindingKind kind = FindingKind::MemberLoadOnNoMember;
        NotShown reason = NotShown::NotAlongGridLine;
        int32_t beam = 0;
        if (facts.isColumn()) {
            kind = FindingKind::MemberLoadOnColumn;
        } else if (facts.shape != MemberShape::Missing) {
            reason = whyNotShown(facts);
            // Without any design output no beam is drawn; that is reported once, not per load.
            if (reason == NotShown::Drawn || (reason == NotShown::WithoutDesign && !anyDesign)) {
                continue;
            }
            kind = FindingKind::MemberLoadOnUndrawnBeam;
            beam = load.member;
        }
        UnshownLoad& entry = unshown[{load.line, kind, facts.level, reason, beam}];
        if (entry.members.empty()) {
            entry.value = load.value;
            entry.caseNumber = load.caseNumber;
            entry.place = placeOf(facts);
            if (kind == FindingKind::MemberLoadOnUndrawnBeam) {
                entry.why = reasonText(reason, facts);
            }
        }
        // A member a line names twice is named once.
        if (std::find(entry.members.begin(), entry.members.end(), load.member) ==
            entry.members.end()) {
            entry.members.push_back(load.member);
        }
    }
    for (const auto& [key, load] : unshown) {
        const auto& [line, kind, level, reason, beam] = key;
        findings.push_back(unshownLoadFinding(kind, level, line, load));
    }
}

void checkDesigns(const ListingDocument& document, bool anyDesign, std::vector<Finding>& findings) {
    std::vector<MemberFacts> beams;
    for (const Member& member : document.members) {
        MemberFacts facts = document.member(member.number);
        if (facts.onPlan && facts.designRow == 0) {
            beams.push_back(facts);
        }
    }
    if (beams.empty()) {
        return;
    }
    if (!anyDesign) {
        findings.push_back(Finding{
            .kind = FindingKind::NoDesignOutput,
            .severity = Severity::Warning,
            .level = 0,
            .place = {},
            .lines = {},
            .caseNumber = {},
            .numbers = {{"beams", static_cast<double>(beams.size()), ""}},
            .sentence = "The listing has no beam design block, so no plan draws any of its " +
                        std::to_string(beams.size()) +
                        " beams. Check that the analysis ran to its end and designed the beams."});
        return;
    }
    for (const MemberFacts& facts : beams) {
        findings.push_back(
            Finding{.kind = FindingKind::BeamWithoutDesign,
                    .severity = Severity::Warning,
                    .level = facts.level,
                    .place = placeOf(facts),
                    .lines = {},
                    .caseNumber = {},
                    .numbers = {},
                    .sentence = "Beam " + std::to_string(facts.number) + " on level " +
                                levelName(document, facts.level) +
                                " has no design block while other beams have one, so no plan draws "
                                "it. Check that the listing is whole and the beam is designed."});
    }
}

}  // namespace

void checkMembers(const ListingDocument& document, std::vector<Finding>& findings) {
    const bool anyDesign = !document.designRows.empty();
    checkMemberLoads(document, anyDesign, findings);
    checkDesigns(document, anyDesign, findings);
}

}  // namespace fp

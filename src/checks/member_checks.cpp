// The members and their loads, checked against what the plans draw.
#include "checks/member_checks.h"

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
    NotAlongGridLine,  // inclined, of no length, or joining a joint the listing lacks
};

NotShown whyNotShown(const MemberFacts& facts) {
    if (facts.drawn()) {
        return NotShown::Drawn;
    }
    if (facts.onPlan) {
        return NotShown::WithoutDesign;
    }
    if (!facts.isBeam()) {
        return NotShown::NotAlongGridLine;
    }
    if (!levelHasBeams(facts.level)) {
        return NotShown::LowestLevel;
    }
    return facts.passesOverJoint ? NotShown::PassesOverJoint : NotShown::NotAlongGridLine;
}

FindingPlace placeOf(const MemberFacts& facts) {
    if (facts.shape == MemberShape::Missing || facts.shape == MemberShape::Unjoined ||
        facts.isColumn()) {
        return {};
    }
    return FindingPlace::beam(facts.number, metres(facts.start.x), metres(facts.start.z),
                              metres(facts.end.x), metres(facts.end.z));
}

// The members of one load line that no plan shows for one reason, on one level.
struct UnshownLoad {
    std::vector<int> members;
    float value = 0;
    CaseNumber caseNumber;
    FindingPlace place;  // of the first member
};

std::string reasonText(NotShown reason, bool one) {
    const std::string them = one ? "it" : "them";
    switch (reason) {
        case NotShown::WithoutDesign:
            return " without a beam design block: no plan draws " + them +
                   ", so the load is not shown. Check that the beams are designed.";
        case NotShown::LowestLevel:
            return std::string(one ? ", a beam" : ", beams") +
                   " of the lowest level, whose beams no plan draws: the load is not shown.";
        case NotShown::PassesOverJoint:
            return std::string(one ? ", which runs" : ", which run") +
                   " past another joint of its level: no plan has " + them +
                   " as a beam, so the load is not shown. Check the member incidences.";
        case NotShown::NotAlongGridLine:
        case NotShown::Drawn:
            break;
    }
    return std::string(one ? ", which is" : ", which are") +
           " neither a beam along a grid line nor a column: no plan shows the load.";
}

Finding unshownLoadFinding(FindingKind kind, NotShown reason, int level, long line,
                           const UnshownLoad& load) {
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
        sentence = what + reasonText(reason, one);
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

void checkMemberLoads(const ListingDocument& document, bool anyDesign,
                      std::vector<Finding>& findings) {
    // By line, kind, level and reason, so that the findings come in the listing's order.
    std::map<std::tuple<long, FindingKind, int, NotShown>, UnshownLoad> unshown;
    for (const MemberLoad& load : document.memberLoadsByMember) {
        const MemberFacts facts = document.member(load.member);
        FindingKind kind = FindingKind::MemberLoadOnNoMember;
        NotShown reason = NotShown::NotAlongGridLine;
        if (facts.isColumn()) {
            kind = FindingKind::MemberLoadOnColumn;
        } else if (facts.shape != MemberShape::Missing) {
            reason = whyNotShown(facts);
            // Without any design output no beam is drawn; that is reported once, not per load.
            if (reason == NotShown::Drawn || (reason == NotShown::WithoutDesign && !anyDesign)) {
                continue;
            }
            kind = FindingKind::MemberLoadOnUndrawnBeam;
        }
        UnshownLoad& entry = unshown[{load.line, kind, facts.level, reason}];
        if (entry.members.empty()) {
            entry.value = load.value;
            entry.caseNumber = load.caseNumber;
            entry.place = placeOf(facts);
        }
        entry.members.push_back(load.member);
    }
    for (const auto& [key, load] : unshown) {
        const auto& [line, kind, level, reason] = key;
        findings.push_back(unshownLoadFinding(kind, reason, level, line, load));
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

// The members and their loads, checked against the joints and the design blocks.
#include "checks/member_checks.h"

#include <map>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "checks/finding_text.h"
#include "model/number_text.h"

namespace fp {
namespace {

enum class MemberShape { Missing, Column, Beam, Other };

struct MemberFacts {
    MemberShape shape = MemberShape::Missing;
    bool designed = false;
    int level = 0;
    FindingPlace place;
};

class MemberIndex {
  public:
    explicit MemberIndex(const ListingDocument& document) : document_(document) {
        for (const Joint& joint : document.joints) {
            joints_.try_emplace(joint.number, joint);
        }
        for (const Member& member : document.members) {
            members_.try_emplace(member.number, member);
        }
        for (const DesignRow& row : document.designRows) {
            designed_.insert(row.member);
        }
    }

    bool anyDesign() const { return !designed_.empty(); }

    MemberFacts facts(int32_t number) const {
        MemberFacts facts;
        const auto member = members_.find(number);
        if (member == members_.end()) {
            return facts;
        }
        facts.designed = designed_.count(number) > 0;
        const auto start = joints_.find(member->second.start);
        const auto end = joints_.find(member->second.end);
        if (start == joints_.end() || end == joints_.end()) {
            facts.shape = MemberShape::Other;
            return facts;
        }
        const Joint& a = start->second;
        const Joint& b = end->second;
        if (a.x == b.x && a.z == b.z) {
            facts.shape = MemberShape::Column;
            return facts;
        }
        const bool level = a.y == b.y;
        facts.shape = level && (a.x == b.x || a.z == b.z) ? MemberShape::Beam : MemberShape::Other;
        facts.level = level ? document_.levelAtHeight(a.y) : 0;
        facts.place = {FindingPlace::Kind::Beam, metres(a.x), metres(b.x), metres(a.z), metres(b.z),
                       static_cast<int>(number)};
        return facts;
    }

  private:
    const ListingDocument& document_;
    std::unordered_map<int32_t, Joint> joints_;
    std::unordered_map<int32_t, Member> members_;
    std::unordered_set<int32_t> designed_;
};

// The members of one load line that no plan shows for one reason, on one level.
struct UnshownLoad {
    std::vector<int> members;
    float value = 0;
    std::string caseNumber;
    FindingPlace place;  // of the first member
};

Finding unshownLoadFinding(FindingKind kind, int level, long line, const UnshownLoad& load) {
    const std::string members =
        (load.members.size() == 1 ? "member " : "members ") + numbersText(load.members);
    const std::string what = "The member load of " + shortText(load.value) + " kN/m on line " +
                             std::to_string(line) + " names " + members;
    std::string sentence;
    Severity severity = Severity::Warning;
    if (kind == FindingKind::MemberLoadOnNoMember) {
        sentence = what + ", which the listing does not have. Check the member numbers.";
    } else if (kind == FindingKind::MemberLoadOnColumn) {
        sentence = what + (load.members.size() == 1 ? ", a column" : ", columns") +
                   ": the load acts along it and no plan shows it. Check the member numbers.";
    } else {
        severity = Severity::Note;
        sentence = what + " without a beam design block: no plan draws " +
                   (load.members.size() == 1 ? "it" : "them") +
                   ", so the load is not shown. Check that the beams are designed.";
    }
    return Finding{
        kind,
        severity,
        level,
        load.place,
        {line},
        load.caseNumber,
        {{"load", load.value, "kN/m"}, {"members", static_cast<double>(load.members.size()), ""}},
        sentence};
}

void checkMemberLoads(const ListingDocument& document, const MemberIndex& index,
                      std::vector<Finding>& findings) {
    // By line, kind and level, so that the findings come in the listing's order.
    std::map<std::tuple<long, FindingKind, int>, UnshownLoad> unshown;
    for (const MemberLoad& load : document.memberLoadsByMember) {
        const MemberFacts facts = index.facts(load.member);
        FindingKind kind = FindingKind::MemberLoadOnNoMember;
        if (facts.shape == MemberShape::Column) {
            kind = FindingKind::MemberLoadOnColumn;
        } else if (facts.shape != MemberShape::Missing) {
            // Without any design output no beam is drawn; that is reported once, not per load.
            if (facts.designed || !index.anyDesign()) {
                continue;
            }
            kind = FindingKind::MemberLoadOnUndrawnBeam;
        }
        UnshownLoad& entry = unshown[{load.line, kind, facts.level}];
        if (entry.members.empty()) {
            entry.value = load.value;
            entry.caseNumber = load.caseNumber;
            entry.place = facts.place;
        }
        entry.members.push_back(load.member);
    }
    for (const auto& [key, load] : unshown) {
        const auto& [line, kind, level] = key;
        findings.push_back(unshownLoadFinding(kind, level, line, load));
    }
}

void checkDesigns(const ListingDocument& document, const MemberIndex& index,
                  std::vector<Finding>& findings) {
    std::vector<std::pair<int32_t, MemberFacts>> beams;
    for (const Member& member : document.members) {
        MemberFacts facts = index.facts(member.number);
        // The lowest level has no beams drawn, designed or not.
        if (facts.shape == MemberShape::Beam && facts.level >= 2 && !facts.designed) {
            beams.emplace_back(member.number, facts);
        }
    }
    if (beams.empty()) {
        return;
    }
    if (!index.anyDesign()) {
        findings.push_back(
            Finding{FindingKind::NoDesignOutput,
                    Severity::Warning,
                    0,
                    {},
                    {},
                    {},
                    {{"beams", static_cast<double>(beams.size()), ""}},
                    "The listing has no beam design block, so no plan draws any of its " +
                        std::to_string(beams.size()) +
                        " beams. Check that the analysis ran to its end and designed the beams."});
        return;
    }
    for (const auto& [number, facts] : beams) {
        findings.push_back(Finding{
            FindingKind::BeamWithoutDesign,
            Severity::Warning,
            facts.level,
            facts.place,
            {},
            {},
            {},
            "Beam " + std::to_string(number) + " on level " + levelName(document, facts.level) +
                " has no design block while other beams have one, so no plan draws it. Check "
                "that the listing is whole and the beam is designed."});
    }
}

}  // namespace

void checkMembers(const ListingDocument& document, std::vector<Finding>& findings) {
    const MemberIndex index(document);
    checkMemberLoads(document, index, findings);
    checkDesigns(document, index, findings);
}

}  // namespace fp

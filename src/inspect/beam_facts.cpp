// A beam's facts, gathered from the member, joint and member-load tables.
#include "inspect/beam_facts.h"

#include "model/number_text.h"

#include <algorithm>

namespace fp {
namespace {

std::optional<Joint> jointNumbered(const ListingDocument& document, int32_t number) {
    const Joint* joint = document.joint(number);
    return joint != nullptr ? std::optional<Joint>(*joint) : std::nullopt;
}

}  // namespace

void addToCase(std::vector<CaseSum>& sums, const CaseNumber& caseNumber, double value) {
    const auto found = std::find_if(
        sums.begin(), sums.end(), [&](const CaseSum& sum) { return sum.caseNumber == caseNumber; });
    if (found != sums.end()) {
        found->sum += value;
    } else {
        sums.push_back({caseNumber, value});
    }
}

BeamFacts beamFacts(const ListingDocument& document, int serial, const LevelBeam& beam,
                    bool withJoints) {
    BeamFacts facts;
    facts.serial = serial;
    facts.beam = beam;
    facts.designLine = beam.designLine;
    if (withJoints) {
        const Member member = document.member(beam.member).record;
        facts.startJoint = member.start;
        facts.endJoint = member.end;
        facts.start = jointNumbered(document, member.start);
        facts.end = jointNumbered(document, member.end);
    }
    const std::span<const MemberLoad> loads = document.memberLoadsOn(beam.member);
    facts.loads.assign(loads.begin(), loads.end());
    for (const MemberLoad& load : loads) {
        addToCase(facts.sums, load.caseNumber, writtenValue(load.value));
    }
    return facts;
}

}  // namespace fp

// The loads the takedown leaves unsupported, as findings.
#include "checks/takedown_checks.h"

#include <algorithm>

#include "checks/finding_text.h"
#include "model/number_text.h"

namespace fp {
namespace {

// "15.0 kN (case 1) and 6.0 kN (case 2)"; "no load" when every case is 0.
std::string loadsText(const Takedown& takedown, const CaseValues& byCase) {
    std::vector<std::string> pieces;
    for (const auto& [caseIndex, kN] : byCase.entries()) {
        if (kN != 0) {
            pieces.push_back(fixedText(kN, 1) + " kN (" +
                             choiceShortName(takedown.cases, {LoadChoice::Kind::Case, caseIndex}) +
                             ")");
        }
    }
    if (pieces.empty()) {
        return "no load";
    }
    std::string text = pieces.front();
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        text += (i + 1 == pieces.size() ? " and " : ", ") + pieces[i];
    }
    return text;
}

std::vector<FindingNumber> loadNumbers(const Takedown& takedown, const CaseValues& byCase) {
    std::vector<FindingNumber> numbers;
    for (const auto& [caseIndex, kN] : byCase.entries()) {
        if (kN != 0) {
            numbers.push_back(
                {"load, " + choiceShortName(takedown.cases, {LoadChoice::Kind::Case, caseIndex}),
                 kN, "kN"});
        }
    }
    return numbers;
}

// The lines of the floor and member loads a load is made of.
std::vector<long> linesOf(const LoadParts& load) {
    std::vector<long> lines;
    for (const LoadPart& part : load.parts()) {
        if (part.line > 0) {
            lines.push_back(part.line);
        }
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

// The case of a load made of one case only; empty otherwise.
std::string caseOf(const Takedown& takedown, const CaseValues& byCase) {
    std::vector<std::size_t> loaded;
    for (const auto& [caseIndex, kN] : byCase.entries()) {
        if (kN != 0) {
            loaded.push_back(caseIndex);
        }
    }
    return loaded.size() == 1 ? takedown.cases.cases[loaded.front()] : std::string();
}

FindingPlace placeOf(const Takedown& takedown, const UnsupportedLoad& lost) {
    // A joint is outlined as a square half a metre across.
    constexpr double kAround = 0.25;
    const double x = metres(lost.at.x);
    const double z = metres(lost.at.z);
    if (lost.kind == UnsupportedKind::PanelSide) {
        return FindingPlace::range(x, metres(lost.to.x), z, metres(lost.to.z));
    }
    if (lost.kind == UnsupportedKind::BeamEnd) {
        if (const BeamTakedown* beam = takedown.level(lost.level)->beam(lost.member)) {
            return FindingPlace::beam(lost.member, metres(beam->start.x), metres(beam->start.z),
                                      metres(beam->end.x), metres(beam->end.z));
        }
    }
    return FindingPlace::range(x - kAround, x + kAround, z - kAround, z + kAround);
}

Finding findingOf(const Takedown& takedown, const UnsupportedLoad& lost) {
    const std::string loads = loadsText(takedown, lost.byCase);
    const std::string where = "joint " + std::to_string(lost.joint) + " (" +
                              pointText(metres(lost.at.x), metres(lost.at.z)) + ")";
    Finding finding{.kind = FindingKind::LoadWithoutColumn,
                    .severity = Severity::Warning,
                    .level = lost.level,
                    .place = placeOf(takedown, lost),
                    .lines = linesOf(lost.load),
                    .caseNumber = caseOf(takedown, lost.byCase),
                    .numbers = loadNumbers(takedown, lost.byCase),
                    .sentence = {}};
    switch (lost.kind) {
        case UnsupportedKind::Joint:
            finding.sentence = "A load of " + loads + " at " + where +
                               " finds no column: " + lost.why +
                               ". Check for a missing column or beam there; no column's takedown "
                               "holds this load.";
            break;
        case UnsupportedKind::BeamEnd:
            finding.kind = FindingKind::BeamEndOnNothing;
            finding.sentence = "The end of beam " + std::to_string(lost.member) + " at " + where +
                               " rests on nothing: " + lost.why + "; it carries " + loads +
                               " there. Check for a missing column or supporting beam.";
            break;
        case UnsupportedKind::PanelSide:
            finding.kind = FindingKind::PanelSideWithoutBeam;
            finding.sentence = "A load of " + loads + " finds no beam: " + lost.why +
                               ". Check for a missing beam along that side.";
            break;
    }
    return finding;
}

}  // namespace

void checkLoadPaths(const Takedown& takedown, std::vector<Finding>& findings) {
    if (!takedown.hasColumns) {
        if (takedown.unsupported.empty()) {
            return;
        }
        CaseValues total;
        for (const UnsupportedLoad& lost : takedown.unsupported) {
            total.addScaled(lost.byCase);
        }
        findings.push_back(Finding{
            .kind = FindingKind::LoadWithoutColumn,
            .severity = Severity::Note,
            .level = 0,
            .place = {},
            .lines = {},
            .caseNumber = caseOf(takedown, total),
            .numbers = loadNumbers(takedown, total),
            .sentence = "The listing has no columns (no vertical members), so none of its loads, " +
                        loadsText(takedown, total) +
                        ", can be followed to the ground. Check that the listing holds the whole "
                        "structure if a takedown is wanted."});
        return;
    }
    for (const UnsupportedLoad& lost : takedown.unsupported) {
        findings.push_back(findingOf(takedown, lost));
    }
}

}  // namespace fp

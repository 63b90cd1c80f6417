// What the legend says for a view.
#include "plan/legend.h"

#include <set>

#include "model/text_encoding.h"
#include "plan/shown_cases.h"

namespace fp {
namespace {

// The case numbers of the loads the view writes on its level.
std::set<std::string> casesOnShow(const ListingDocument& document, const PlanView& view) {
    std::set<std::string> cases;
    if (view.level < 1) {
        return cases;
    }
    if (view.mode == LoadMode::Floor) {
        for (const LevelPanel& panel : document.level(view.level).panels) {
            for (const ActingLoad& load : panel.loads) {
                if (view.showsFloorLoad(load)) {
                    cases.insert(load.caseNumber);
                }
            }
        }
    } else if (view.showsMemberLoadsOnBeams()) {
        for (const LevelBeam& beam : document.level(view.level).beams) {
            for (const MemberLoad& load : document.memberLoadsOn(beam.member)) {
                if (!load.caseNumber.empty() && view.showsCase(load.caseNumber)) {
                    cases.insert(load.caseNumber);
                }
            }
        }
    }
    return cases;
}

// The most bytes the line of load cases holds: more than a screen's width of text. What lies
// past it could only be measured to be elided, in a time that grows with text nobody sees.
constexpr std::size_t kLongestCasesLine = 400;

// Adds a case to the line of cases, cutting the line with an ellipsis once it is full.
void addCase(std::string& cases, const std::string& text) {
    if (cases.size() > kLongestCasesLine) {
        return;
    }
    cases += (cases.empty() ? "" : ", ") + text.substr(0, kLongestCasesLine + 1);
    if (cases.size() > kLongestCasesLine) {
        std::size_t cut = kLongestCasesLine;
        // Not inside a character of several bytes.
        while (cut > 0 && (static_cast<unsigned char>(cases[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        cases.resize(cut);
        cases += "\u2026";
    }
}

}  // namespace

std::vector<std::string> legendLines(const ListingDocument& document, const PlanView& view) {
    const std::set<std::string> shown = casesOnShow(document, view);
    std::string cases;
    for (const LoadCase& loadCase : document.loadCases) {
        if (shown.count(loadCase.number) > 0) {
            const std::string text = document.loadCaseText(loadCase.number);
            addCase(cases,
                    utf8FromListingText(std::string_view(text).substr(0, kLongestCasesLine + 1)));
        }
    }
    // Cases the loads name without a header in the listing come last, by their numbers.
    for (const std::string& number : shown) {
        if (document.loadCase(number) == nullptr) {
            addCase(cases, utf8FromListingText(number));
        }
    }
    std::vector<std::string> lines;
    const std::string chosen = chosenCasesText(document, view);
    lines.push_back("Load cases" + (chosen.empty() ? std::string() : " " + chosen) + ": " +
                    (cases.empty() ? std::string("none on show") : cases));
    const std::string inBrackets = view.loadCaseNumbers ? ", load case in brackets" : "";
    if (view.mode == LoadMode::Floor) {
        lines.push_back("Floor loads in kN/m²" + inBrackets + "; spans in cm, X then Z");
    } else if (view.showsMemberLoadsOnBeams()) {
        lines.push_back("Member loads in kN/m" + inBrackets);
    }
    lines.push_back("Beam serial numbers on the beams" +
                    std::string(view.showsMemberNumbers() ? "; B: member number" : ""));
    if (view.level >= 1 && !document.level(view.level).columns.empty()) {
        lines.push_back(view.mode == LoadMode::Member ? "■ column, C: its member number"
                                                      : "■ column");
    }
    if (view.mode == LoadMode::Floor && view.markPanelsWithoutLoad) {
        lines.push_back("Hatched: panels without floor load");
    }
    if (view.gridLines) {
        lines.push_back("Grid lines 1, 2, 3 … along X, A, B, C … along Z");
    }
    return lines;
}

}  // namespace fp

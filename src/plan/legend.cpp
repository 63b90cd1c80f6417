// What the legend says for a view.
#include "plan/legend.h"

#include <set>

#include "model/text_encoding.h"
#include "panels/panel_loads.h"
#include "panels/panel_scan.h"
#include "plan/columns.h"
#include "plan/level_beams.h"

namespace fp {
namespace {

// The case numbers of the loads the view writes on its level.
std::set<std::string> casesOnShow(const ListingDocument& document, const PlanView& view) {
    std::set<std::string> cases;
    if (view.level < 1) {
        return cases;
    }
    if (view.mode == LoadMode::Floor) {
        findPanels(document, view.level, [&](const SlabPanel& panel) {
            for (const ActingLoad& load : panelLoads(document, view.level, panel).loads) {
                if (view.showsIntensity(load.intensity)) {
                    cases.insert(load.caseNumber);
                }
            }
        });
    } else if (view.showsMemberLoadsOnBeams()) {
        for (const LevelBeam& beam : beamsOfLevel(document, view.level)) {
            for (const MemberLoad& load : document.memberLoadsOn(beam.member)) {
                if (!load.caseNumber.empty()) {
                    cases.insert(load.caseNumber);
                }
            }
        }
    }
    return cases;
}

}  // namespace

std::vector<std::string> legendLines(const ListingDocument& document, const PlanView& view) {
    const std::set<std::string> shown = casesOnShow(document, view);
    std::string cases;
    for (const LoadCase& loadCase : document.loadCases) {
        if (shown.count(loadCase.number) > 0) {
            cases += (cases.empty() ? "" : ", ") +
                     utf8FromListingText(document.loadCaseText(loadCase.number));
        }
    }
    // Cases the loads name without a header in the listing come last, by their numbers.
    for (const std::string& number : shown) {
        if (document.loadCase(number) == nullptr) {
            cases += (cases.empty() ? "" : ", ") + utf8FromListingText(number);
        }
    }
    std::vector<std::string> lines;
    lines.push_back("Load cases: " + (cases.empty() ? std::string("none on show") : cases));
    const std::string inBrackets = view.loadCaseNumbers ? ", load case in brackets" : "";
    if (view.mode == LoadMode::Floor) {
        lines.push_back("Floor loads in kN/m²" + inBrackets + "; spans in cm, X then Z");
    } else if (view.showsMemberLoadsOnBeams()) {
        lines.push_back("Member loads in kN/m" + inBrackets);
    }
    lines.push_back("Beam serial numbers on the beams" +
                    std::string(view.showsMemberNumbers() ? "; B: member number" : ""));
    if (!columnsOfLevel(document, view.level).empty()) {
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

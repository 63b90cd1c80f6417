// A panel's facts, from the grid and the floor loads that act on it.
#include "inspect/panel_facts.h"

#include <cmath>

#include "model/number_text.h"
#include "panels/level_totals.h"

namespace fp {

PanelFacts panelFacts(const ListingDocument& document, int level, const SlabPanel& panel) {
    PanelFacts facts;
    facts.panel = panel;
    facts.x1 = document.grid.x.at(panel.ix);
    facts.x2 = document.grid.x.at(panel.ix2);
    facts.z1 = document.grid.z.at(panel.iz);
    facts.z2 = document.grid.z.at(panel.iz2);
    facts.area = panelArea(document, panel);
    for (const ActingLoad& load : panelLoads(document, level, panel).loads) {
        const double kiloNewtons = facts.area * writtenValue(load.intensity);
        facts.loads.push_back({load, kiloNewtons});
        addToCase(facts.totals, load.caseNumber, kiloNewtons);
    }
    return facts;
}

std::vector<Finding> findingsOnPanel(const std::vector<Finding>& findings, int level,
                                     const PanelFacts& facts) {
    // Findings give the panel's edges in metres, the facts in hundredths of a metre.
    const auto sameEdge = [](double metres, float hundredths) {
        return std::abs(metres * 100 - hundredths) < 0.5;
    };
    std::vector<Finding> onPanel;
    for (const Finding& finding : findings) {
        const FindingPlace& place = finding.place;
        if (finding.level == level && place.kind == FindingPlace::Kind::Panel &&
            sameEdge(place.x1, facts.x1) && sameEdge(place.x2, facts.x2) &&
            sameEdge(place.z1, facts.z1) && sameEdge(place.z2, facts.z2)) {
            onPanel.push_back(finding);
        }
    }
    return onPanel;
}

}  // namespace fp

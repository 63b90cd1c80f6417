// A panel's facts, from the grid and the floor loads that act on it.
#include "inspect/panel_facts.h"

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

}  // namespace fp

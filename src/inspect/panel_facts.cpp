// A panel's facts, from the floor loads that act on it.
#include "inspect/panel_facts.h"

#include "model/number_text.h"

namespace fp {

PanelFacts panelFacts(const LevelPanel& panel, int level, const std::vector<Finding>& findings) {
    PanelFacts facts;
    facts.panel = panel;
    facts.area = panel.area();
    for (const ActingLoad& load : panel.loads) {
        const double kiloNewtons = facts.area * writtenValue(load.intensity);
        facts.loads.push_back({load, kiloNewtons});
        addToCase(facts.totals, load.caseNumber, kiloNewtons);
    }
    facts.findings = findingsOnPanel(findings, level, panel.bounds);
    return facts;
}

}  // namespace fp

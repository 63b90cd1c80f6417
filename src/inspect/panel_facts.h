// What a slab panel of a level carries: its bounds and spans, and the floor loads acting on it.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"
#include "inspect/beam_facts.h"

namespace fp {

struct PanelLoadFacts {
    ActingLoad load;
    // The panel's area times the load's intensity.
    double kiloNewtons = 0;
};

struct PanelFacts {
    LevelPanel panel;
    double area = 0;  // m²
    // In the order of the listing's floor loads.
    std::vector<PanelLoadFacts> loads;
    // kN per load case.
    std::vector<CaseSum> totals;
    // What the load checks found on this panel.
    std::vector<Finding> findings;
};

// The facts of a panel of a level, with the findings among `findings` whose place it is.
PanelFacts panelFacts(const LevelPanel& panel, int level, const std::vector<Finding>& findings);

}  // namespace fp

// What a slab panel of a level carries: its bounds and spans, and the floor loads acting on it.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"
#include "inspect/beam_facts.h"
#include "panels/panel_loads.h"
#include "panels/panel_scan.h"

namespace fp {

struct PanelLoadFacts {
    ActingLoad load;
    // The panel's area times the load's intensity.
    double kiloNewtons = 0;
};

struct PanelFacts {
    SlabPanel panel;
    // Hundredths of a metre.
    float x1 = 0;
    float x2 = 0;
    float z1 = 0;
    float z2 = 0;
    double area = 0;  // m²
    // In the order of the listing's floor loads.
    std::vector<PanelLoadFacts> loads;
    // kN per load case.
    std::vector<CaseSum> totals;
    // What the load checks found on this panel.
    std::vector<Finding> findings;
};

// The facts of a panel of `level`. A panel carrying more floor loads than a panel may throws
// ListingError, as its drawing does.
PanelFacts panelFacts(const ListingDocument& document, int level, const SlabPanel& panel);

// The findings among `findings` whose place is this panel of `level`.
std::vector<Finding> findingsOnPanel(const std::vector<Finding>& findings, int level,
                                     const PanelFacts& facts);

}  // namespace fp

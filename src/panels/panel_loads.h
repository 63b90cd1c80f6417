// The floor loads acting on one slab panel, and the panel's spans.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"
#include "panels/panel_scan.h"

namespace fp {

struct ActingLoad {
    float intensity = 0;
    std::string caseNumber;
    long line = 0;  // of the floor load's YRANGE line in the listing
};

inline constexpr std::size_t kMaxLoadsOnAPanel = 10;

struct PanelLoads {
    // In the order of the listing's floor loads, equal intensities included.
    std::vector<ActingLoad> loads;
    // Hundredths of a metre; set only when a load acts on the panel, 0 otherwise.
    float spanX = 0;
    float spanZ = 0;
};

// The floor loads whose Y range reaches `level` and whose X and Z ranges cover the panel, each
// allowed to stop up to 0.1 m short of an edge. An 11th acting load throws ListingError naming
// the level and the panel.
PanelLoads panelLoads(const ListingDocument& document, int level, const SlabPanel& panel);

}  // namespace fp

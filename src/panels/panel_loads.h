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

// A panel of a level as a floor load must reach it: the level's height and the panel's edges in
// metres, each edge drawn in by the 0.1 m a load may stop short of it.
class PanelReach {
  public:
    PanelReach(const ListingDocument& document, int level, const SlabPanel& panel);

    // The load's Y range reaches the level.
    bool reachesLevel(const FloorLoad& load) const { return reachesHeight(load, y_); }
    // The load's Y range reaches a level at `y`, in metres as levelInMetres() gives it.
    static bool reachesHeight(const FloorLoad& load, float y) {
        return load.y1 <= y && load.y2 >= y;
    }
    // The level's height in metres, held as a 32-bit real: a range written as in the listing
    // then meets it exactly.
    static float levelInMetres(const ListingDocument& document, int level);
    // The load's X and Z ranges cover the panel but for the tolerance.
    bool coversPanel(const FloorLoad& load) const {
        return static_cast<double>(load.x1) <= xLo_ && static_cast<double>(load.x2) >= xHi_ &&
               static_cast<double>(load.z1) <= zLo_ && load.z2 >= zHi_;
    }
    bool acts(const FloorLoad& load) const { return reachesLevel(load) && coversPanel(load); }

  private:
    float y_;
    double xLo_;
    double xHi_;
    double zLo_;
    float zHi_;
};

// The floor loads whose Y range reaches `level` and whose X and Z ranges cover the panel, each
// allowed to stop up to 0.1 m short of an edge. An 11th acting load throws ListingError naming
// the level and the panel.
PanelLoads panelLoads(const ListingDocument& document, int level, const SlabPanel& panel);

}  // namespace fp

// Collecting the floor loads that act on one panel.
#include "panels/panel_loads.h"

#include "model/number_text.h"
#include "panels/panel_limits.h"

namespace fp {

float PanelReach::levelInMetres(const ListingDocument& document, int level) {
    return static_cast<float>(metres(document.levelHeight(level)));
}

PanelReach::PanelReach(const ListingDocument& document, int level, const SlabPanel& panel) {
    constexpr double kTolerance = 0.1;  // metres a load may stop short of a panel edge
    const Grid& grid = document.grid;
    // The far Z edge is held as a 32-bit real, as the level is, the other edges as 64-bit ones.
    y_ = levelInMetres(document, level);
    xLo_ = metres(grid.x.at(panel.ix)) + kTolerance;
    xHi_ = metres(grid.x.at(panel.ix2)) - kTolerance;
    zLo_ = metres(grid.z.at(panel.iz)) + kTolerance;
    zHi_ = static_cast<float>(metres(grid.z.at(panel.iz2)) - kTolerance);
}

PanelLoads panelLoads(const ListingDocument& document, int level, const SlabPanel& panel) {
    const Grid& grid = document.grid;
    const PanelReach reach(document, level, panel);
    PanelLoads acting;
    for (const FloorLoad& load : document.floorLoads) {
        if (!reach.acts(load)) {
            continue;
        }
        if (acting.loads.size() >= kMaxLoadsOnAPanel) {
            throw tooManyPanelLoads(document, level, panel);
        }
        acting.loads.push_back(ActingLoad{load.intensity, load.caseNumber, load.line});
        acting.spanX = grid.x.at(panel.ix2) - grid.x.at(panel.ix);
        acting.spanZ = grid.z.at(panel.iz2) - grid.z.at(panel.iz);
    }
    return acting;
}

}  // namespace fp

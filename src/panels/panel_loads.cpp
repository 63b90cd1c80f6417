// Collecting the floor loads that act on one panel.
#include "panels/panel_loads.h"

#include "model/number_text.h"
#include "panels/panel_limits.h"

namespace fp {

PanelLoads panelLoads(const ListingDocument& document, int level, const SlabPanel& panel) {
    constexpr double kTolerance = 0.1;  // metres a load may stop short of a panel edge
    const Grid& grid = document.grid;
    // The panel in metres. The level and the far Z edge are held as 32-bit reals, the other
    // edges as 64-bit ones; a range written as in the listing then meets the level exactly.
    const auto y = static_cast<float>(metres(document.levelHeight(level)));
    const double xLo = metres(grid.x.at(panel.ix)) + kTolerance;
    const double xHi = metres(grid.x.at(panel.ix2)) - kTolerance;
    const double zLo = metres(grid.z.at(panel.iz)) + kTolerance;
    const auto zHi = static_cast<float>(metres(grid.z.at(panel.iz2)) - kTolerance);

    PanelLoads acting;
    for (const FloorLoad& load : document.floorLoads) {
        const bool reachesLevel = load.y1 <= y && load.y2 >= y;
        const bool coversPanel = static_cast<double>(load.x1) <= xLo &&
                                 static_cast<double>(load.x2) >= xHi &&
                                 static_cast<double>(load.z1) <= zLo && load.z2 >= zHi;
        if (!reachesLevel || !coversPanel) {
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

// The reach of a floor load over a panel, written once for the plans, the totals and the checks.
#include "structure/floor_load_reach.h"

#include <algorithm>

namespace fp {

float levelInMetres(float heightHundredths) {
    return static_cast<float>(metres(heightHundredths));
}

std::vector<int> levelsReached(const GridAxis& levels, const FloorLoad& load) {
    std::vector<int> reached;
    for (int level = 1; level <= levels.count(); ++level) {
        if (reachesHeight(load, levelInMetres(levels.at(level)))) {
            reached.push_back(level);
        }
    }
    return reached;
}

PanelReach::PanelReach(float levelHeightHundredths, const PanelBounds& panel)
    : y_(levelInMetres(levelHeightHundredths)),
      xLo_(metres(panel.x1) + kFloorLoadReach),
      xHi_(metres(panel.x2) - kFloorLoadReach),
      zLo_(metres(panel.z1) + kFloorLoadReach),
      zHi_(static_cast<float>(metres(panel.z2) - kFloorLoadReach)) {}

double coveredArea(const FloorLoad& load, const PanelBounds& panel) {
    const double width =
        std::min<double>(load.x2, metres(panel.x2)) - std::max<double>(load.x1, metres(panel.x1));
    const double depth =
        std::min<double>(load.z2, metres(panel.z2)) - std::max<double>(load.z1, metres(panel.z1));
    return width > kFloorLoadReach && depth > kFloorLoadReach ? width * depth : 0.0;
}

}  // namespace fp

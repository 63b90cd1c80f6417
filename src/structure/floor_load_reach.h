// How far a floor load reaches over a slab panel: its Y range must meet the level, and its X
// and Z ranges may stop short of the panel's edges by 0.1 m and still load the whole panel.
#pragma once

#include <vector>

#include "grid/grid_axis.h"
#include "model/records.h"
#include "structure/panel_bounds.h"

namespace fp {

// The metres by which a floor load may stop short of a panel edge. A load that covers a panel
// but for this much loads it whole; one that reaches into a panel by no more than this only
// touches it.
inline constexpr double kFloorLoadReach = 0.1;

// A level's height in metres, held as a 32-bit real: a Y range written as in the listing then
// meets it exactly.
float levelInMetres(float heightHundredths);

// The load's Y range reaches a level at `y` metres, as levelInMetres() gives it.
inline bool reachesHeight(const FloorLoad& load, float y) {
    return load.y1 <= y && load.y2 >= y;
}

// The levels (1 .. the count of `levels`, the grid's heights in hundredths of a metre) that the
// load's Y range reaches, lowest first.
std::vector<int> levelsReached(const GridAxis& levels, const FloorLoad& load);

// A panel of a level as a floor load must reach it.
class PanelReach {
  public:
    PanelReach(float levelHeightHundredths, const PanelBounds& panel);

    bool reachesLevel(const FloorLoad& load) const { return reachesHeight(load, y_); }
    // The load's X and Z ranges cover the panel but for the reach.
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
    // The far Z edge is held as a 32-bit real, as the level is, the other edges as 64-bit ones.
    float zHi_;
};

// The area, m², of the part of a panel a load's X and Z ranges cover; 0 where they only reach
// into it by the reach or less, which is no cover at all.
double coveredArea(const FloorLoad& load, const PanelBounds& panel);

}  // namespace fp

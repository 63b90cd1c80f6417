// Collecting the floor-load rows that act on one panel.
#include "panels/panel_loads.h"

#include "panels/panel_limits.h"

namespace fp {

PanelLoadRecord GetPanelLoads(const ModelStore& model, int16_t level, int16_t ix, int16_t iz,
                              int16_t ix2, int16_t iz2) {
    constexpr double kTolerance = 0.1;  // metres a load may stop short of a panel edge
    // The panel in metres. The level and the far Z edge are held as 32-bit reals, the other
    // edges as 64-bit ones; a range written as in the listing then meets the level exactly.
    const auto metres = [](float hundredths) { return static_cast<double>(hundredths) / 100.0; };
    const float y = static_cast<float>(metres(model.GridY[level]));
    const double xLo = metres(model.GridX[ix]) + kTolerance;
    const double xHi = metres(model.GridX[ix2]) - kTolerance;
    const double zLo = metres(model.GridZ[iz]) + kTolerance;
    const float zHi = static_cast<float>(metres(model.GridZ[iz2]) - kTolerance);

    PanelLoadRecord record;
    for (int row = 1; row <= model.FloorLoadCount; ++row) {
        const FloorLoadRow& load = model.FloorLoadTable.at(row);
        const bool reachesLevel = load.Y1 <= y && load.Y2 >= y;
        const bool coversPanel = static_cast<double>(load.X1) <= xLo &&
                                 static_cast<double>(load.X2) >= xHi &&
                                 static_cast<double>(load.Z1) <= zLo && load.Z2 >= zHi;
        if (!reachesLevel || !coversPanel) {
            continue;
        }
        if (record.LoadCount >= PanelLoadRecord::kMaxLoads) {
            throw tooManyPanelLoads(model, level, ix, iz, ix2, iz2);
        }
        const int n = ++record.LoadCount;
        record.Intensity[n] = load.Intensity;
        record.CaseTitle[n] = load.CaseTitle;
        record.SpanX = model.GridX[ix2] - model.GridX[ix];
        record.SpanZ = model.GridZ[iz2] - model.GridZ[iz];
    }
    return record;
}

}  // namespace fp

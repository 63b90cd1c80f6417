// Writing every slab panel's floor loads and spans at its centre.
#include "panels/floor_load_display.h"

#include "panels/floor_load_labels.h"
#include "panels/panel_loads.h"
#include "panels/panel_scan.h"
#include "plan/text_placement.h"

namespace fp {

void ShowFloorLoads(ModelStore& model, Surface& surface, const ViewState& view, int16_t level,
                    char decimalSeparator) {
    const auto lineHeight = static_cast<float>(surface.TextHeight("H"));
    FindPanels(model, level, [&](int16_t ix, int16_t iz, int16_t ix2, int16_t iz2) {
        model.PanelLoadRecord = GetPanelLoads(model, level, ix, iz, ix2, iz2);
        const float centreX = (model.GridX[ix2] + model.GridX[ix]) / 2;
        const float centreZ = (model.GridZ[iz2] + model.GridZ[iz]) / 2;
        const auto lines = panelLabelLines(model, view, model.PanelLoadRecord, decimalSeparator);
        int k = 0;
        for (const std::string& line : lines) {
            ++k;
            const float top = (centreZ - 2 * lineHeight) + static_cast<float>(k) * lineHeight;
            PrintAligned(surface, line, centreX, top, kAlignCentre);
        }
    });
}

}  // namespace fp

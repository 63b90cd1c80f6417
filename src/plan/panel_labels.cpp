// The label lines of slab panels, and writing them on the plan.
#include "plan/panel_labels.h"

#include "model/number_text.h"
#include "panels/panel_scan.h"
#include "plan/panel_hatching.h"
#include "plan/text_placement.h"

namespace fp {

PanelLoads labelledLoads(const ListingDocument& document, const SlabPanel& panel,
                         PanelLoads loads) {
    if (loads.loads.empty()) {
        const Grid& grid = document.grid;
        loads.spanX = grid.x.at(panel.ix2) - grid.x.at(panel.ix);
        loads.spanZ = grid.z.at(panel.iz2) - grid.z.at(panel.iz);
    }
    return loads;
}

std::vector<std::string> panelLabelLines(const PanelLoads& loads, const PlanView& view) {
    std::vector<std::string> lines;
    if (loads.loads.empty()) {
        lines.emplace_back("no floor load");
    }
    for (const ActingLoad& load : loads.loads) {
        if (!view.showsIntensity(load.intensity)) {
            continue;
        }
        std::string line = valueText(load.intensity, view.decimalSeparator);
        if (view.loadCaseNumbers) {
            line += " (" + load.caseNumber + ")";
        }
        lines.push_back(std::move(line));
    }
    lines.push_back(valueText(loads.spanX, view.decimalSeparator) + " X " +
                    valueText(loads.spanZ, view.decimalSeparator));
    return lines;
}

void writePanelLabels(const ListingDocument& document, const PlanView& view, Surface& surface) {
    const auto lineHeight = static_cast<float>(surface.textHeight("H"));
    const Grid& grid = document.grid;
    findPanels(document, view.level, [&](const SlabPanel& panel) {
        const PanelLoads loads = panelLoads(document, view.level, panel);
        if (view.markPanelsWithoutLoad && loads.loads.empty()) {
            surface.startPart(PlanPart::PanelHatching);
            hatchPanel(document, panel, surface);
        }
        surface.startPart(PlanPart::PanelLabels);
        const float centreX = (grid.x.at(panel.ix2) + grid.x.at(panel.ix)) / 2;
        const float centreZ = (grid.z.at(panel.iz2) + grid.z.at(panel.iz)) / 2;
        int k = 0;
        for (const std::string& line :
             panelLabelLines(labelledLoads(document, panel, loads), view)) {
            ++k;
            const float top = (centreZ - 2 * lineHeight) + static_cast<float>(k) * lineHeight;
            writeAligned(surface, line, centreX, top, Alignment::Centre);
        }
    });
}

}  // namespace fp

// The label lines of slab panels, and writing them on the plan.
#include "plan/panel_labels.h"

#include "model/number_text.h"
#include "plan/panel_hatching.h"
#include "plan/text_placement.h"

namespace fp {

std::vector<std::string> panelLabelLines(const LevelPanel& panel, const PlanView& view) {
    std::vector<std::string> lines;
    if (panel.loads.empty()) {
        lines.emplace_back("no floor load");
    }
    for (const ActingLoad& load : panel.loads) {
        if (!view.showsIntensity(load.intensity)) {
            continue;
        }
        std::string line = valueText(load.intensity, view.decimalSeparator);
        if (view.loadCaseNumbers) {
            line += " (" + load.caseNumber.abbreviated() + ")";
        }
        lines.push_back(std::move(line));
    }
    lines.push_back(valueText(panel.bounds.spanX(), view.decimalSeparator) + " X " +
                    valueText(panel.bounds.spanZ(), view.decimalSeparator));
    return lines;
}

void writePanelLabels(const ListingDocument& document, const PlanView& view, Surface& surface) {
    const auto lineHeight = static_cast<float>(surface.textHeight("H"));
    for (const LevelPanel& panel : document.level(view.level).panels) {
        if (view.markPanelsWithoutLoad && panel.loads.empty()) {
            surface.startPart(PlanPart::PanelHatching);
            hatchPanel(panel.bounds, surface);
        }
        surface.startPart(PlanPart::PanelLabels);
        const float centreX = (panel.bounds.x2 + panel.bounds.x1) / 2;
        const float centreZ = (panel.bounds.z2 + panel.bounds.z1) / 2;
        int k = 0;
        for (const std::string& line : panelLabelLines(panel, view)) {
            ++k;
            const float top = (centreZ - 2 * lineHeight) + static_cast<float>(k) * lineHeight;
            writeAligned(surface, line, centreX, top, Alignment::Centre);
        }
    }
}

}  // namespace fp

// The label lines of a slab panel.
#include "panels/floor_load_labels.h"

#include "model/number_text.h"

namespace fp {

bool IsIntensityShown(const ModelStore& model, const ViewState& view, float intensity) {
    const int count = model.FloorIntensityList.count();
    for (int i = 1; i <= count; ++i) {
        if (model.FloorIntensityList[i] == intensity) {
            return view.intensityBoxes.at(static_cast<std::size_t>(i)) == kTicked;
        }
    }
    return false;
}

std::vector<std::string> panelLabelLines(const ModelStore& model, const ViewState& view,
                                         const PanelLoadRecord& loads, char decimalSeparator) {
    std::vector<std::string> lines;
    for (int n = 1; n <= loads.LoadCount; ++n) {
        if (!IsIntensityShown(model, view, loads.Intensity[n])) {
            continue;
        }
        std::string line = valueText(loads.Intensity[n], decimalSeparator);
        if (view.loadType == kTicked) {
            line += " (" + loads.CaseTitle[n] + ")";
        }
        lines.push_back(std::move(line));
    }
    lines.push_back(valueText(loads.SpanX, decimalSeparator) + " X " +
                    valueText(loads.SpanZ, decimalSeparator));
    return lines;
}

}  // namespace fp

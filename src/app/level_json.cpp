// Beams and panels of a level in the dump, from the same walks the plan and its labels use.
#include "app/level_json.h"

#include "app/json_text.h"
#include "model/number_text.h"
#include "panels/floor_load_labels.h"
#include "panels/panel_loads.h"
#include "panels/panel_scan.h"
#include "plan/level_beams.h"
#include "plan/view_state.h"

namespace fp {

namespace {

void writeLoads(std::ostream& out, const PanelLoadRecord& loads) {
    out << "[";
    for (int n = 1; n <= loads.LoadCount; ++n) {
        out << (n > 1 ? ", " : "") << "{\"intensity\": " << jsonNumberText(loads.Intensity[n])
            << ", \"caseTitle\": " << jsonString(loads.CaseTitle[n]) << "}";
    }
    out << "]";
}

void writeTexts(std::ostream& out, const std::vector<std::string>& texts) {
    out << "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out << (i > 0 ? ", " : "") << jsonString(texts[i]);
    }
    out << "]";
}

}  // namespace

void writeLevelBeams(std::ostream& out, const ModelStore& model, int level) {
    const auto beams = beamsOfLevel(model, static_cast<int16_t>(level));
    out << "[";
    for (std::size_t i = 0; i < beams.size(); ++i) {
        const LevelBeam& beam = beams[i];
        out << (i > 0 ? ", " : "") << "{\"serial\": " << i + 1 << ", \"dir\": \""
            << (beam.direction == BeamDirection::PlusX ? "X" : "Z")
            << "\", \"row\": " << beam.designRow << ", \"member\": " << beam.member
            << ", \"length\": " << beam.lengthMm << ", \"x\": " << jsonNumberText(beam.x)
            << ", \"z\": " << jsonNumberText(beam.z) << "}";
    }
    out << "]";
}

void writeLevelPanels(std::ostream& out, ModelStore& model, int level) {
    const auto index = static_cast<int16_t>(level);
    const ViewState startUpView;
    bool first = true;
    out << "[";
    FindPanels(model, index, [&](int16_t ix, int16_t iz, int16_t ix2, int16_t iz2) {
        const PanelLoadRecord loads = GetPanelLoads(model, index, ix, iz, ix2, iz2);
        out << (first ? "" : ", ") << "{\"ix\": " << ix << ", \"iz\": " << iz
            << ", \"ix2\": " << ix2 << ", \"iz2\": " << iz2
            << ", \"spanX\": " << jsonNumberText(loads.SpanX)
            << ", \"spanZ\": " << jsonNumberText(loads.SpanZ) << ", \"loads\": ";
        writeLoads(out, loads);
        out << ", \"lines\": ";
        writeTexts(out, panelLabelLines(model, startUpView, loads, '.'));
        out << "}";
        first = false;
    });
    out << "]";
}

}  // namespace fp

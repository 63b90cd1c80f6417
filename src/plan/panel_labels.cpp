// The label lines of slab panels, their forms, and their registration on the plan.
#include "plan/panel_labels.h"

#include <algorithm>

#include "model/number_text.h"
#include "plan/check_marks.h"
#include "plan/label_form_writer.h"
#include "plan/panel_hatching.h"
#include "plan/text_placement.h"

namespace fp {
namespace {

std::string spansText(const LevelPanel& panel, const PlanView& view) {
    return valueText(panel.bounds.spanX(), view.decimalSeparator) + " X " +
           valueText(panel.bounds.spanZ(), view.decimalSeparator);
}

std::string caseSuffix(const ActingLoad& load, const PlanView& view) {
    return view.loadCaseNumbers ? " (" + load.caseNumber.abbreviated() + ")" : std::string();
}

// The loads' lines of the designed form, one after the other: what a callout's key line says.
std::string loadsText(const std::vector<std::string>& designed) {
    std::string text;
    for (std::size_t i = 0; i + 1 < designed.size(); ++i) {
        text += (text.empty() ? "" : ", ") + designed[i];
    }
    return text;
}

// The room a callout's number takes: the widest number a level's callouts can have.
std::string numberRoom(std::size_t panels) {
    return "[" + std::string(std::to_string(std::max<std::size_t>(panels, 1)).size(), '8') + "]";
}

class PanelForms {
  public:
    PanelForms(Surface& surface, const PlanView& view, std::size_t panels)
        : surface_(surface),
          view_(view),
          writer_(surface),
          lineHeight_(static_cast<float>(surface.textHeight("H"))),
          gap_(static_cast<float>(surface.textWidth(" "))),
          numberRoom_(numberRoom(panels)) {}

    PlanLabel labelOf(const LevelPanel& panel, bool warned) {
        centreX_ = (panel.bounds.x2 + panel.bounds.x1) / 2;
        centreZ_ = (panel.bounds.z2 + panel.bounds.z1) / 2;
        warned_ = warned;
        PlanLabel label;
        label.part = PlanPart::PanelLabels;
        label.rule = CandidateRule::Inside;
        label.home = {panel.bounds.x1, panel.bounds.z1, panel.bounds.x2, panel.bounds.z2};
        label.avoidsGridLines = true;
        const std::vector<std::string> designed = panelLabelLines(panel, view_);
        int k = 0;
        for (const std::string& line : designed) {
            ++k;
            const float top = (centreZ_ - 2 * lineHeight_) + static_cast<float>(k) * lineHeight_;
            writeAligned(writer_, line, centreX_, top, Alignment::Centre);
        }
        label.forms.push_back(take());
        if (const std::vector<std::string> byCase = panelLabelLinesByCase(panel, view_);
            byCase.size() < designed.size()) {
            writeCentred(byCase);
            label.forms.push_back(take());
        }
        const std::string spans = spansText(panel, view_);
        const std::string loads = loadsText(designed);
        if (!loads.empty()) {
            writeNumberBeside(spans);
            label.forms.push_back(take(loads));
            writeNumberAbove(spans);
            label.forms.push_back(take(loads));
            writeNumberOver(stackedSpans(panel));
            label.forms.push_back(take(loads));
        }
        writeNumberAbove("");
        label.forms.push_back(take(loads.empty() ? spans : loads + "; " + spans));
        return label;
    }

  private:
    // Lines centred on the panel's centre, the block's middle on it.
    void writeCentred(const std::vector<std::string>& lines) {
        float top = centreZ_ - static_cast<float>(lines.size()) * lineHeight_ / 2;
        for (const std::string& line : lines) {
            writeAligned(writer_, line, centreX_, top, Alignment::Centre);
            top += lineHeight_;
        }
    }

    // "[n] 600 X 500" on one line.
    void writeNumberBeside(const std::string& spans) {
        const auto numberWidth = static_cast<float>(surface_.textWidth(numberRoom_));
        const auto spansWidth = static_cast<float>(surface_.textWidth(spans));
        const float left = centreX_ - (numberWidth + gap_ + spansWidth) / 2;
        const float top = centreZ_ - lineHeight_ / 2;
        writer_.nextIsCalloutNumber();
        writeAligned(writer_, numberRoom_, left, top, Alignment::Left);
        writeAligned(writer_, spans, left + numberWidth + gap_, top, Alignment::Left);
    }

    // "[n]" over the spans, or alone when `spans` is empty.
    void writeNumberAbove(const std::string& spans) {
        writeNumberOver(spans.empty() ? std::vector<std::string>{}
                                      : std::vector<std::string>{spans});
    }

    // "[n]" over `lines`, the block centred on the panel's centre.
    void writeNumberOver(const std::vector<std::string>& lines) {
        float top = centreZ_ - static_cast<float>(lines.size() + 1) * lineHeight_ / 2;
        writer_.nextIsCalloutNumber();
        writeAligned(writer_, numberRoom_, centreX_, top, Alignment::Centre);
        for (const std::string& line : lines) {
            top += lineHeight_;
            writeAligned(writer_, line, centreX_, top, Alignment::Centre);
        }
    }

    // "300 X" over "550": the spans in a bay too narrow for them on one line.
    std::vector<std::string> stackedSpans(const LevelPanel& panel) const {
        return {valueText(panel.bounds.spanX(), view_.decimalSeparator) + " X",
                valueText(panel.bounds.spanZ(), view_.decimalSeparator)};
    }

    LabelForm take(std::string keyText = {}) {
        LabelForm form = writer_.take();
        form.keyText = std::move(keyText);
        if (warned_) {
            form.sign = signOver(form.box, surface_);
            form.box = form.box.united(*form.sign);
        }
        return form;
    }

    Surface& surface_;
    const PlanView& view_;
    LabelFormWriter writer_;
    float lineHeight_;
    float gap_;
    std::string numberRoom_;
    float centreX_ = 0;
    float centreZ_ = 0;
    bool warned_ = false;
};

}  // namespace

std::vector<std::string> panelLabelLines(const LevelPanel& panel, const PlanView& view) {
    std::vector<std::string> lines;
    if (panel.loads.empty()) {
        lines.emplace_back("no floor load");
    }
    for (const ActingLoad& load : panel.loads) {
        if (view.showsFloorLoad(load)) {
            lines.push_back(valueText(load.intensity, view.decimalSeparator) +
                            caseSuffix(load, view));
        }
    }
    lines.push_back(spansText(panel, view));
    return lines;
}

std::vector<std::string> panelLabelLinesByCase(const LevelPanel& panel, const PlanView& view) {
    std::vector<std::string> lines;
    if (panel.loads.empty()) {
        lines.emplace_back("no floor load");
    }
    std::vector<std::string> cases;
    for (const ActingLoad& load : panel.loads) {
        if (!view.showsFloorLoad(load) ||
            std::find(cases.begin(), cases.end(), load.caseNumber) != cases.end()) {
            continue;
        }
        cases.push_back(load.caseNumber);
        std::string line;
        for (const ActingLoad& ofCase : panel.loads) {
            if (ofCase.caseNumber == load.caseNumber && view.showsFloorLoad(ofCase)) {
                line +=
                    (line.empty() ? "" : "+") + valueText(ofCase.intensity, view.decimalSeparator);
            }
        }
        lines.push_back(line + caseSuffix(load, view));
    }
    lines.push_back(spansText(panel, view));
    return lines;
}

void drawPanels(const ListingDocument& document, const PlanView& view, Surface& surface,
                PlanLabels& labels, const std::vector<PanelBounds>& warned) {
    const std::vector<LevelPanel>& panels = document.level(view.level).panels;
    PanelForms forms(surface, view, panels.size());
    for (const LevelPanel& panel : panels) {
        if (view.markPanelsWithoutLoad && panel.loads.empty()) {
            surface.startPart(PlanPart::PanelHatching);
            hatchPanel(panel.bounds, surface);
        }
        labels.addObstacle({panel.bounds.x1, panel.bounds.z1, panel.bounds.x2, panel.bounds.z2},
                           ObstacleKind::Bay);
        const bool isWarned = std::find(warned.begin(), warned.end(), panel.bounds) != warned.end();
        labels.add(forms.labelOf(panel, isWarned));
    }
}

}  // namespace fp

// A level's plan, then its floor loads when they are on show.
#include "plan/level_drawing.h"

#include "panels/panel_loads.h"
#include "panels/panel_scan.h"
#include "plan/beam_plan.h"
#include "plan/level_beams.h"
#include "plan/panel_labels.h"

namespace fp {

PickBoxes drawLevel(const ListingDocument& document, const PlanView& view, Surface& surface) {
    PickBoxes boxes = drawBeamPlan(document, view, surface);
    if (view.mode == LoadMode::Floor) {
        writePanelLabels(document, view, surface);
    }
    return boxes;
}

void checkLevelLimits(const ListingDocument& document, int level) {
    beamsOfLevel(document, level);
    findPanels(document, level,
               [&](const SlabPanel& panel) { panelLoads(document, level, panel); });
}

}  // namespace fp

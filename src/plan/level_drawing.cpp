// A level's plan, then its floor loads when they are on show.
#include "plan/level_drawing.h"

#include "plan/beam_plan.h"
#include "plan/check_marks.h"
#include "plan/columns.h"
#include "plan/grid_lines.h"
#include "plan/label_placement.h"
#include "plan/panel_labels.h"
#include "plan/plan_frame.h"
#include "plan/tributary_lines.h"

namespace fp {

namespace {

// Everything of the level, texts where the drawing designs them.
PickBoxes drawEverything(const ListingDocument& document, const PlanView& view, Surface& surface,
                         const std::vector<PlanRect>& signs) {
    surface.clear();
    drawGridLines(document, view, surface);
    drawTributaryLines(document, view, surface);
    PickBoxes boxes = drawBeams(document, view, surface);
    drawColumns(document, view, surface);
    for (const PlanRect& sign : signs) {
        drawWarningSign(surface, sign);
    }
    if (view.mode == LoadMode::Floor) {
        writePanelLabels(document, view, surface);
    }
    return boxes;
}

}  // namespace

PickBoxes drawLevel(const ListingDocument& document, const PlanView& view, Surface& surface,
                    PlacementMemory* memory, const std::vector<Finding>* findings) {
    const LevelModel& level = document.level(view.level);
    // The panels are drawn in floor-load mode only, and only then can their limits stop it.
    if (level.beamsError) {
        throw *level.beamsError;
    }
    if (view.mode == LoadMode::Floor) {
        level.requirePanels();
    }
    std::vector<PlanRect> signs;
    if (findings != nullptr) {
        signs = warningSigns(*findings, view, surface);
    }
    if (view.designedLabelPositions) {
        return drawEverything(document, view, surface, signs);
    }
    const PlanFrame frame = planFrame(document.grid);
    LabelPlacement placement(surface, {frame.left, frame.top, frame.right, frame.bottom}, view,
                             memory, signs);
    // The placement draws the signs, with the labels they stand on.
    PickBoxes boxes = drawEverything(document, view, placement, {});
    placement.place();
    return boxes;
}

}  // namespace fp

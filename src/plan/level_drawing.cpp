// A level's plan, its texts registered by what they describe and placed in one step.
#include "plan/level_drawing.h"

#include <algorithm>

#include "plan/beam_plan.h"
#include "plan/check_marks.h"
#include "plan/column_loads.h"
#include "plan/columns.h"
#include "plan/grid_lines.h"
#include "plan/label_drawing.h"
#include "plan/label_search.h"
#include "plan/measuring_surface.h"
#include "plan/panel_labels.h"
#include "plan/tributary_lines.h"

namespace fp {
namespace {

// The most of an area's height the callouts' key may take below the plan.
constexpr double kMostKeyShare = 0.4;

PlanRect rectOf(const PlanFrame& frame) {
    return {frame.left, frame.top, frame.right, frame.bottom};
}

// What a kept placement must have been found for, besides the view: the part on show, the text
// sizes at this scale, the panels warned about and the parts kept clear.
std::vector<double> placementKey(const PlanFrame& visible, Surface& surface,
                                 const std::vector<PanelBounds>& warned,
                                 const DrawingContext& context) {
    std::vector<double> key = {visible.left,
                               visible.top,
                               visible.right,
                               visible.bottom,
                               surface.textWidth("8888"),
                               surface.textHeight("8"),
                               surface.verticalPerHorizontal(),
                               context.legendTakesKey ? 1.0 : 0.0};
    for (const PanelBounds& panel : warned) {
        key.insert(key.end(), {panel.x1, panel.z1, panel.x2, panel.z2});
    }
    for (const PlanRect& kept : context.keepClear) {
        key.insert(key.end(), {kept.left, kept.top, kept.right, kept.bottom});
    }
    return key;
}

}  // namespace

LevelPicture drawLevel(const ListingDocument& document, const PlanView& view, Surface& surface,
                       const DrawingContext& context) {
    const LevelModel& level = document.level(view.level);
    // The panels are drawn in floor-load mode only, and only then can their limits stop it.
    if (level.beamsError) {
        throw *level.beamsError;
    }
    if (view.mode == LoadMode::Floor) {
        level.requirePanels();
    }
    const std::vector<PanelBounds> warned = context.findings != nullptr
                                                ? warnedPanels(*context.findings, view)
                                                : std::vector<PanelBounds>{};
    surface.clear();
    PlanLabels labels;
    drawGridLines(document, view, surface, labels);
    drawTributaryLines(document, view, surface);
    LevelPicture picture;
    picture.boxes = drawBeams(document, view, surface, labels);
    drawColumns(document, view, surface, labels);
    drawColumnLoads(document, view, surface, labels);
    if (view.mode == LoadMode::Floor) {
        drawPanels(document, view, surface, labels, warned);
    }
    for (const PlanRect& kept : context.keepClear) {
        labels.addObstacle(kept, ObstacleKind::Keep);
    }
    if (view.designedLabelPositions) {
        drawLabels(labels, designedLayout(labels), surface);
        return picture;
    }
    const PlanFrame visible = context.visible.value_or(planFrame(document.grid));
    std::vector<double> key;
    const LabelLayout* kept = nullptr;
    if (context.memory != nullptr) {
        key = placementKey(visible, surface, warned, context);
        kept = context.memory->placementFor(view, key);
    }
    LabelLayout fresh;
    if (kept == nullptr) {
        fresh = placeLabels(labels, surface, {rectOf(visible), context.legendTakesKey});
    }
    const LabelLayout& layout = kept != nullptr ? *kept : fresh;
    drawLabels(labels, layout, surface);
    picture.keyLinesElsewhere = layout.keyLinesElsewhere();
    picture.callouts = static_cast<int>(layout.keyLines.size());
    picture.notShown = layout.notShown;
    picture.noteShown = layout.note.has_value();
    if (kept == nullptr && context.memory != nullptr) {
        context.memory->keep(view, std::move(key), std::move(fresh));
    }
    return picture;
}

LevelPicture drawLevelFitted(const ListingDocument& document, const PlanView& view,
                             Surface& surface, double width, double height, FrameRoom room,
                             PlanFrame& frame, DrawingContext context) {
    // Measured with one plan unit to a device unit.
    surface.setScale(0, 0, width, height);
    const FrameRoom bubbles = bubbleRoom(view, surface);
    const double keyLine = surface.textHeight("8") * 1.25;
    room.left += bubbles.left;
    room.top += bubbles.top;
    room.right += bubbles.right;
    room.bottom += bubbles.bottom;
    const auto drawIn = [&](const FrameRoom& around, Surface& on) {
        frame = fittedFrame(document.grid, width, height, around);
        on.setScale(frame.left, frame.top, frame.right, frame.bottom);
        context.visible = frame;
        return drawLevel(document, view, on, context);
    };
    if (view.designedLabelPositions) {
        return drawIn(room, surface);
    }
    // Tried first without drawing, to learn the room the key lines without room and the note of
    // what could not be shown want below the plan.
    MeasuringSurface measuring(surface);
    const LevelPicture tried = drawIn(room, measuring);
    const auto wanting = static_cast<double>(tried.keyLinesElsewhere.size()) +
                         (tried.notShown > 0 && !tried.noteShown ? 1 : 0);
    if (wanting > 0) {
        room.bottom = std::max(
            room.bottom, std::min(room.bottom + (wanting + 2) * keyLine, height * kMostKeyShare));
    }
    LevelPicture picture = drawIn(room, surface);
    return picture;
}

}  // namespace fp

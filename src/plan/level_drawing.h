// The one drawing of a level that the window, the exports, printing and the benchmarks use.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"
#include "plan/pick_boxes.h"
#include "plan/placement_memory.h"
#include "plan/plan_frame.h"
#include "plan/plan_rect.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// How a level is drawn, beyond what the view shows.
struct DrawingContext {
    // The places found the last time, taken again when nothing they depend on has changed.
    PlacementMemory* memory = nullptr;
    // The check of the document: a panel a warning is about gets a warning sign on its label.
    const std::vector<Finding>* findings = nullptr;
    // The part of the plan the surface shows, as its scale was set; the model's frame when none.
    std::optional<PlanFrame> visible;
    // Parts of the surface no text may cover, in plan units: a legend laid over the plan.
    std::vector<PlanRect> keepClear;
    // A legend beside the plan lists the callouts' key lines that find no room on it.
    bool legendTakesKey = false;
};

// What a drawing of a level leaves its caller besides the picture.
struct LevelPicture {
    PickBoxes boxes;
    // The callouts' key lines that found no room on the plan, for a legend to list.
    std::vector<std::string> keyLinesElsewhere;
    // How many labels became callouts, and how many texts the plan could not show.
    int callouts = 0;
    int notShown = 0;
    // Whether the plan itself says how many texts it could not show.
    bool noteShown = false;
};

// Clears the surface (whose scale the caller has set) and draws the view's level on it: the grid
// lines under the beam plan, the columns, then in floor-load mode every panel's floor-load label.
// Every text is registered with what it describes and placed in one step (placeLabels) unless the
// view asks for the designed label positions: each in its own panel or beside its own beam, its
// column, in its own bubble, clear of the others, of the drawing and of the parts kept clear; a
// panel's label that has no room for its loads becomes a numbered callout whose key line is
// written outside the bays. A level past a drawing limit throws ListingError. Changes nothing but
// the surface (and the memory).
LevelPicture drawLevel(const ListingDocument& document, const PlanView& view, Surface& surface,
                       const DrawingContext& context = {});

// Draws the level filling an area `width` by `height` device units of the surface with the whole
// model: the frame keeps room for the bubbles and `room` beyond the outermost grid lines, and,
// where a drawing tried first (measured, not drawn) finds no room for the callouts' key or the note
// of texts not shown, room for them below the plan. Returns the picture and sets `frame` to the
// frame it was drawn in.
LevelPicture drawLevelFitted(const ListingDocument& document, const PlanView& view,
                             Surface& surface, double width, double height, FrameRoom room,
                             PlanFrame& frame, DrawingContext context = {});

}  // namespace fp

// A level plan on the DXF surface, with its title, and the files of several levels.
#include "dxf/dxf_plan.h"

#include <filesystem>

#include "document/startup_texts.h"
#include "dxf/dxf_surface.h"
#include "plan/level_drawing.h"
#include "plan/plan_frame.h"
#include "plan/shown_cases.h"

namespace fp {

DxfDrawing dxfPlan(const ListingDocument& document, const PlanView& view) {
    DxfSurface surface;
    drawLevel(document, view, surface);
    // Two text heights for the caption, one for the listing's name, both above the frame.
    const PlanFrame frame = planFrame(document.grid);
    const double height = DxfSurface::kTextHeight;
    const double cell = surface.textHeight("H");
    surface.writeText(kTitleLayer, planHeading(document, view), frame.left, frame.top - 3 * cell,
                      2 * height);
    surface.writeText(kTitleLayer, std::filesystem::path(document.name).filename().string(),
                      frame.left, frame.top - cell, height);
    return surface.drawing();
}

}  // namespace fp

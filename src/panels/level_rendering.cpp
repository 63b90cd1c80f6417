// A level's plan, then its floor loads when they are on show.
#include "panels/level_rendering.h"

#include "panels/floor_load_display.h"
#include "plan/beam_layout.h"

namespace fp {

void renderLevel(ModelStore& model, Surface& surface, const ViewState& view, int16_t level,
                 BeamBoxes& boxes, char decimalSeparator) {
    drawBeeLayout(model, surface, view, level, boxes);
    if (!view.memberLoadMode) {
        ShowFloorLoads(model, surface, view, level, decimalSeparator);
    }
}

}  // namespace fp

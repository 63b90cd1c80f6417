// The label lines of a slab panel: its shown floor-load intensities, then its spans.
#pragma once

#include <string>
#include <vector>

#include "model/model_store.h"
#include "plan/view_state.h"

namespace fp {

// True when the intensity is in FloorIntensityList and its box is ticked (grey counts as not).
bool IsIntensityShown(const ModelStore& model, const ViewState& view, float intensity);

// The texts written at a panel's centre, top to bottom: one line per acting load whose intensity
// is shown, with " (title)" when "LOAD TYPE" is ticked, then "<SpanX> X <SpanZ>".
std::vector<std::string> panelLabelLines(const ModelStore& model, const ViewState& view,
                                         const PanelLoadRecord& loads, char decimalSeparator = '.');

}  // namespace fp

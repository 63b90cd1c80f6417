// The run-ending errors of the panel tables, naming the level (and panel) in metres.
#include "panels/panel_limits.h"

#include <string>

#include "model/number_text.h"

namespace fp {
namespace {

std::string metres(float hundredths) {
    return valueText(static_cast<float>(static_cast<double>(hundredths) / 100.0));
}

std::string levelName(const ModelStore& model, int16_t level) {
    return "the level at " + metres(model.GridY[level]) + " m";
}

}  // namespace

RunEndingError tooManyPanels(const ModelStore& model, int16_t level) {
    const std::string limit = std::to_string(ModelStore::kMaxPanels);
    std::string statement = levelName(model, level);
    statement[0] = 'T';
    return RunEndingError(statement + " has more than " + limit + " slab panels",
                          "FramePlan shows at most " + limit + " panels on one level.");
}

RunEndingError tooManyPanelLoads(const ModelStore& model, int16_t level, int16_t ix, int16_t iz,
                                 int16_t ix2, int16_t iz2) {
    const std::string limit = std::to_string(PanelLoadRecord::kMaxLoads);
    return RunEndingError(
        "The slab panel from X " + metres(model.GridX[ix]) + " to " + metres(model.GridX[ix2]) +
            " m, Z " + metres(model.GridZ[iz]) + " to " + metres(model.GridZ[iz2]) + " m on " +
            levelName(model, level) + " has more than " + limit + " floor loads acting on it",
        "FramePlan shows at most " + limit + " floor loads on one panel.");
}

}  // namespace fp

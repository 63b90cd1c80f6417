// The failures of a level whose panels, or a panel whose floor loads, pass their limits, naming
// the level (and the panel) in metres.
#include "panels/panel_limits.h"

#include <string>

#include "model/number_text.h"
#include "panels/panel_loads.h"
#include "panels/panel_scan.h"

namespace fp {
namespace {

std::string metresText(float hundredths) {
    return valueText(static_cast<float>(metres(hundredths)));
}

std::string levelName(const ListingDocument& document, int level) {
    return "the level at " + metresText(document.levelHeight(level)) + " m";
}

}  // namespace

ListingError tooManyPanels(const ListingDocument& document, int level) {
    const std::string limit = std::to_string(kMaxPanelsOnALevel);
    std::string statement = levelName(document, level);
    statement[0] = 'T';
    return ListingError(statement + " has more than " + limit + " slab panels",
                        "FramePlan shows at most " + limit + " panels on one level.");
}

ListingError tooManyPanelLoads(const ListingDocument& document, int level, const SlabPanel& panel) {
    const std::string limit = std::to_string(kMaxLoadsOnAPanel);
    const Grid& grid = document.grid;
    return ListingError(
        "The slab panel from X " + metresText(grid.x.at(panel.ix)) + " to " +
            metresText(grid.x.at(panel.ix2)) + " m, Z " + metresText(grid.z.at(panel.iz)) + " to " +
            metresText(grid.z.at(panel.iz2)) + " m on " + levelName(document, level) +
            " has more than " + limit + " floor loads acting on it",
        "FramePlan shows at most " + limit + " floor loads on one panel.");
}

}  // namespace fp

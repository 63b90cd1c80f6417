// Building a level's beams, panels and columns from its framing.
#include "structure/level_model.h"

#include <map>

#include "structure/floor_load_reach.h"
#include "structure/member_facts.h"
#include "structure/place_text.h"

namespace fp {
namespace {

ListingError tooManyBeams(int level, float height) {
    const std::string limit = std::to_string(kMaxBeamsOnALevel);
    return ListingError("Level " + std::to_string(level) + " (at " + levelHeightText(height) +
                            ") has more than " + limit + " beams to draw",
                        "The plan shows at most " + limit + " beams on one level.");
}

ListingError tooManyPanels(float height) {
    const std::string limit = std::to_string(kMaxPanelsOnALevel);
    return ListingError(
        "The level at " + levelHeightText(height) + " has more than " + limit + " slab panels",
        "FramePlan shows at most " + limit + " panels on one level.");
}

ListingError tooManyPanelLoads(float height, const PanelBounds& panel) {
    const std::string limit = std::to_string(kMaxLoadsOnAPanel);
    return ListingError("The slab panel " + boundsText(panel) + " on the level at " +
                            levelHeightText(height) + " has more than " + limit +
                            " floor loads acting on it",
                        "FramePlan shows at most " + limit + " floor loads on one panel.");
}

void addBeams(LevelModel& model, const LevelSources& sources) {
    const Grid& grid = sources.grid;
    for (const FramedMember& framed : model.framed) {
        if (framed.designRow <= 0) {
            continue;
        }
        if (model.beams.size() >= kMaxBeamsOnALevel) {
            model.beams.clear();
            model.beamsError = tooManyBeams(model.level, model.height);
            return;
        }
        const DesignRow& row = sources.designRows[static_cast<std::size_t>(framed.designRow - 1)];
        const float x = grid.x.at(framed.ix);
        const float z = grid.z.at(framed.iz);
        const bool alongX = framed.direction == BeamDirection::PlusX;
        const PlanPoint farJoint = alongX ? PlanPoint{grid.x.at(framed.farLine), z}
                                          : PlanPoint{x, grid.z.at(framed.farLine)};
        model.beams.push_back(LevelBeam{framed.direction, framed.designRow, row.member,
                                        row.lengthMm, x, z, farJoint, row.line});
    }
}

PanelBounds boundsOf(const Grid& grid, const SlabPanel& panel) {
    return {grid.x.at(panel.ix), grid.z.at(panel.iz), grid.x.at(panel.ix2), grid.z.at(panel.iz2)};
}

void addPanels(LevelModel& model, const LevelSources& sources, const LevelFraming& framing) {
    findPanels(framing, [&](const SlabPanel& lines) {
        const PanelBounds bounds = boundsOf(sources.grid, lines);
        if (model.panels.size() >= kMaxPanelsOnALevel) {
            model.panelsError = tooManyPanels(model.height);
            return false;
        }
        LevelPanel panel{lines, bounds, {}};
        const PanelReach reach(model.height, bounds);
        for (const FloorLoad& load : sources.floorLoads) {
            if (!reach.acts(load)) {
                continue;
            }
            if (panel.loads.size() >= kMaxLoadsOnAPanel) {
                model.panelsError = tooManyPanelLoads(model.height, bounds);
                return false;
            }
            panel.loads.push_back(ActingLoad{load.intensity, load.caseNumber, load.line});
        }
        model.panels.push_back(std::move(panel));
        return true;
    });
    if (model.panelsError) {
        model.panels.clear();
    }
}

void addColumns(LevelModel& model, const LevelSources& sources) {
    // By grid point, so that the order does not depend on the order of the members.
    std::map<std::pair<float, float>, LevelColumn> found;
    for (const Member& member : sources.members) {
        const Joint* lower = sources.joints.find(member.start);
        const Joint* upper = sources.joints.find(member.end);
        if (lower == nullptr || upper == nullptr ||
            shapeOf(*lower, *upper) != MemberShape::Column) {
            continue;
        }
        const bool fromBelow = upper->y == model.height;
        if (!fromBelow && lower->y != model.height) {
            continue;
        }
        const std::pair<float, float> point{lower->x, lower->z};
        const auto known = found.find(point);
        // A column from below wins over one from above; among equals the first member read.
        if (known == found.end() || (fromBelow && !known->second.fromBelow)) {
            found[point] = {static_cast<float>(lower->x), static_cast<float>(lower->z),
                            member.number, fromBelow};
        }
    }
    model.columns.reserve(found.size());
    for (const auto& [point, column] : found) {
        model.columns.push_back(column);
    }
}

}  // namespace

PlanPoint LevelBeam::drawnEnd() const {
    const float length = drawnLength();
    return direction == BeamDirection::PlusX ? PlanPoint{x + length, z} : PlanPoint{x, z + length};
}

void LevelModel::requireDrawable() const {
    if (const auto& error = limitError()) {
        throw *error;
    }
}

void LevelModel::requirePanels() const {
    if (panelsError) {
        throw *panelsError;
    }
}

int LevelModel::serialOf(int32_t member) const {
    for (std::size_t i = 0; i < beams.size(); ++i) {
        if (beams[i].member == member) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

const LevelPanel* LevelModel::panelAt(double x, double z) const {
    for (const LevelPanel& panel : panels) {
        if (panel.bounds.contains(x, z)) {
            return &panel;
        }
    }
    return nullptr;
}

const LevelPanel* LevelModel::panelWithBounds(const PanelBounds& bounds) const {
    for (const LevelPanel& panel : panels) {
        if (panel.bounds == bounds) {
            return &panel;
        }
    }
    return nullptr;
}

LevelModel buildLevel(const LevelSources& sources, int level) {
    LevelModel model;
    model.level = level;
    model.height = sources.grid.y.at(level);
    LevelFraming framing = frameLevel(sources.grid, level, sources.joins);
    model.framed = std::move(framing.members);
    addBeams(model, sources);
    addPanels(model, sources, framing);
    addColumns(model, sources);
    return model;
}

}  // namespace fp

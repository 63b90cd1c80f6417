// A level's panels and member loads onto its beams, and the beams' reactions.
#include "takedown/level_takedown.h"

#include <algorithm>

#include "model/number_text.h"

namespace fp {
namespace {

// A panel side: the line it lies on, across the other axis, and its ends along it.
struct SideLine {
    bool alongX = true;
    int across = 0;  // the grid line it lies on
    float from = 0;  // hundredths of a metre along it
    float to = 0;
};

SideLine sideLine(const LevelPanel& panel, PanelSide side) {
    const SlabPanel& lines = panel.lines;
    const PanelBounds& bounds = panel.bounds;
    switch (side) {
        case PanelSide::LowZ:
            return {true, lines.iz, bounds.x1, bounds.x2};
        case PanelSide::HighZ:
            return {true, lines.iz2, bounds.x1, bounds.x2};
        case PanelSide::LowX:
            return {false, lines.ix, bounds.z1, bounds.z2};
        case PanelSide::HighX:
            break;
    }
    return {false, lines.ix2, bounds.z1, bounds.z2};
}

PlanPoint pointOn(const SideLine& side, const Grid& grid, float along) {
    return side.alongX ? PlanPoint{along, grid.z.at(side.across)}
                       : PlanPoint{grid.x.at(side.across), along};
}

class LevelLoads {
  public:
    LevelLoads(const ListingDocument& document, const LoadCases& cases, LevelTakedown& level)
        : document_(document), cases_(cases), level_(level) {}

    void addBeams(const LevelModel& model) {
        const Grid& grid = document_.grid;
        onLineX_.resize(static_cast<std::size_t>(grid.z.count()) + 1);
        onLineZ_.resize(static_cast<std::size_t>(grid.x.count()) + 1);
        for (const FramedMember& framed : model.framed) {
            BeamTakedown beam;
            beam.member = framed.member;
            beam.alongX = framed.direction == BeamDirection::PlusX;
            beam.from = {framed.ix, framed.iz};
            beam.to = beam.alongX ? GridPoint{framed.farLine, framed.iz}
                                  : GridPoint{framed.ix, framed.farLine};
            beam.start = {grid.x.at(beam.from.ix), grid.z.at(beam.from.iz)};
            beam.end = {grid.x.at(beam.to.ix), grid.z.at(beam.to.iz)};
            beam.length =
                metres(beam.alongX ? beam.end.x - beam.start.x : beam.end.z - beam.start.z);
            beam.drawn = framed.designRow > 0 && !model.beamsError;
            if (beam.drawn && !level_.limit) {
                for (const MemberLoad& load : document_.memberLoadsOn(framed.member)) {
                    beam.memberLoads.push_back(
                        {writtenValue(load.value), *cases_.caseIndex(load.caseNumber), load.line});
                }
            }
            auto& onLine = beam.alongX ? onLineX_[static_cast<std::size_t>(framed.iz)]
                                       : onLineZ_[static_cast<std::size_t>(framed.ix)];
            onLine.push_back(level_.beams.size());
            level_.beams.push_back(std::move(beam));
        }
    }

    void addPanel(std::size_t index, const LevelPanel& panel, double oneWayRatio) {
        const Tributary tributary = tributaryOf(panel.bounds, oneWayRatio);
        for (const PanelSide side :
             {PanelSide::LowZ, PanelSide::HighZ, PanelSide::LowX, PanelSide::HighX}) {
            const SideShape shape = sideShape(tributary, side);
            if (shape != SideShape::None) {
                addSide(index, panel, side, shape, sideProfile(tributary, side));
            }
        }
    }

    void addReactions(const std::vector<LevelPanel>& panels) {
        for (BeamTakedown& beam : level_.beams) {
            for (const PanelShare& share : beam.panels) {
                const EndReactions unit =
                    reactionsOf(share.unit.total(), share.unit.moment(), beam.length);
                for (const ActingLoad& load : panels[share.panel].loads) {
                    const double intensity = writtenValue(load.intensity);
                    const std::size_t caseIndex = *cases_.caseIndex(load.caseNumber);
                    beam.startReaction.add(
                        {LoadSource::FloorLoad, load.line, caseIndex, 0, intensity * unit.start});
                    beam.endReaction.add(
                        {LoadSource::FloorLoad, load.line, caseIndex, 0, intensity * unit.end});
                }
            }
            for (const BeamMemberLoad& load : beam.memberLoads) {
                const double half = load.value * beam.length / 2;
                beam.startReaction.add(
                    {LoadSource::MemberLoad, load.line, load.caseIndex, 0, half});
                beam.endReaction.add({LoadSource::MemberLoad, load.line, load.caseIndex, 0, half});
            }
        }
    }

  private:
    void addSide(std::size_t index, const LevelPanel& panel, PanelSide side, SideShape shape,
                 const LoadProfile& profile) {
        const SideLine line = sideLine(panel, side);
        const auto& onLine = line.alongX ? onLineX_[static_cast<std::size_t>(line.across)]
                                         : onLineZ_[static_cast<std::size_t>(line.across)];
        // The parts of the side with a beam along them, from its lower end.
        std::vector<std::pair<float, float>> covered;
        for (const std::size_t b : onLine) {
            BeamTakedown& beam = level_.beams[b];
            const float beamFrom = line.alongX ? beam.start.x : beam.start.z;
            const float beamTo = line.alongX ? beam.end.x : beam.end.z;
            const float from = std::max(beamFrom, line.from);
            const float to = std::min(beamTo, line.to);
            if (from >= to) {
                continue;
            }
            covered.emplace_back(from, to);
            beam.panels.push_back(
                PanelShare{index, side, shape,
                           profile.part(metres(from - line.from), metres(to - line.from),
                                        metres(line.from - beamFrom))});
        }
        std::sort(covered.begin(), covered.end());
        float reached = line.from;
        covered.emplace_back(line.to, line.to);
        for (const auto& [from, to] : covered) {
            if (from > reached) {
                addGap(index, panel, side, line, profile, reached, from);
            }
            reached = std::max(reached, to);
        }
    }

    void addGap(std::size_t index, const LevelPanel& panel, PanelSide side, const SideLine& line,
                const LoadProfile& profile, float from, float to) {
        const double unit =
            profile.part(metres(from - line.from), metres(to - line.from), 0).total();
        SideGap gap{index,
                    side,
                    pointOn(line, document_.grid, from),
                    pointOn(line, document_.grid, to),
                    {}};
        for (const ActingLoad& load : panel.loads) {
            gap.load.add({LoadSource::FloorLoad, load.line, *cases_.caseIndex(load.caseNumber), 0,
                          writtenValue(load.intensity) * unit});
        }
        level_.gaps.push_back(std::move(gap));
    }

    const ListingDocument& document_;
    const LoadCases& cases_;
    LevelTakedown& level_;
    // The beams on each grid line, by index into the level's beams.
    std::vector<std::vector<std::size_t>> onLineX_;
    std::vector<std::vector<std::size_t>> onLineZ_;
};

}  // namespace

const BeamTakedown* LevelTakedown::beam(int32_t member) const {
    for (const BeamTakedown& beam : beams) {
        if (beam.member == member) {
            return &beam;
        }
    }
    return nullptr;
}

LevelTakedown takeLevel(const ListingDocument& document, int level, const LoadCases& cases,
                        double oneWayRatio) {
    LevelTakedown result;
    result.level = level;
    result.height = document.levelHeight(level);
    const LevelModel& model = document.level(level);
    result.limit = model.limitError();
    LevelLoads loads(document, cases, result);
    loads.addBeams(model);
    if (result.limit) {
        return result;
    }
    for (std::size_t p = 0; p < model.panels.size(); ++p) {
        CaseValues intensities;
        for (const ActingLoad& load : model.panels[p].loads) {
            intensities.add(*cases.caseIndex(load.caseNumber), writtenValue(load.intensity));
        }
        result.floorLoad.addScaled(intensities, model.panels[p].area());
        result.panelIntensities.push_back(std::move(intensities));
        loads.addPanel(p, model.panels[p], oneWayRatio);
    }
    for (const BeamTakedown& beam : result.beams) {
        for (const BeamMemberLoad& load : beam.memberLoads) {
            result.memberLoad.add(load.caseIndex, load.value * beam.length);
        }
    }
    loads.addReactions(model.panels);
    return result;
}

LoadProfile slabProfile(const LevelTakedown& level, const BeamTakedown& beam,
                        const LoadCases& cases, const LoadChoice& choice) {
    std::vector<LoadProfile> profiles;
    std::vector<double> factors;
    for (const PanelShare& share : beam.panels) {
        profiles.push_back(share.unit);
        factors.push_back(cases.valueOf(choice, level.panelIntensities[share.panel]));
    }
    return LoadProfile::sum(profiles, factors);
}

double memberLoadValue(const BeamTakedown& beam, const LoadCases& cases, const LoadChoice& choice) {
    CaseValues byCase;
    for (const BeamMemberLoad& load : beam.memberLoads) {
        byCase.add(load.caseIndex, load.value);
    }
    return cases.valueOf(choice, byCase);
}

}  // namespace fp

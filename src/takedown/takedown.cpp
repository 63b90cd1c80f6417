// The takedown of a whole listing, level by level from the top.
#include "takedown/takedown.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "model/number_text.h"
#include "structure/floor_load_reach.h"
#include "structure/grid_names.h"
#include "structure/place_text.h"

namespace fp {
namespace {

// What reaches a joint of the level being taken down.
struct JointLoad {
    LoadParts load;
    // A column standing on the joint with no column below to continue it.
    std::optional<std::size_t> standing;
};

std::string jointText(int32_t joint) {
    return "joint " + std::to_string(joint);
}

class TakedownBuilder {
  public:
    TakedownBuilder(const ListingDocument& document, const TakedownSettings& settings)
        : document_(document) {
        result_.cases = loadCasesOf(document);
        result_.oneWayRatio = settings.oneWayRatio;
        const auto levels = static_cast<std::size_t>(document.levelCount());
        arrivals_.resize(levels + 1);
        result_.columnsByLevel.resize(levels + 1);
        for (int level = 1; level <= document.levelCount(); ++level) {
            result_.levels.push_back(
                takeLevel(document, level, result_.cases, settings.oneWayRatio));
        }
        for (int level = 1; level <= document.levelCount(); ++level) {
            result_.hasColumns = result_.hasColumns || !document.level(level).columns.empty();
        }
    }

    Takedown build() {
        for (int level = document_.levelCount(); level >= 1; --level) {
            takeDownLevel(level);
        }
        buildStacks();
        balance();
        return std::move(result_);
    }

  private:
    // An arrival at a level: the column whose bottom joint is there.
    struct Arrival {
        GridPoint point;
        std::size_t column = 0;
    };

    void takeDownLevel(int level) {
        const BeamLines lines(document_, level);
        const LevelTakedown& loads = result_.levels[static_cast<std::size_t>(level - 1)];
        std::map<std::pair<int, int>, JointLoad> joints;
        for (const BeamTakedown& beam : loads.beams) {
            joints[{beam.from.ix, beam.from.iz}].load.addScaled(beam.startReaction, 1);
            joints[{beam.to.ix, beam.to.iz}].load.addScaled(beam.endReaction, 1);
        }
        std::map<std::pair<int, int>, std::size_t> columnAt;
        addColumns(level, lines, columnAt);
        for (const Arrival& arrival : arrivals_[static_cast<std::size_t>(level)]) {
            land(arrival, joints[{arrival.point.ix, arrival.point.iz}], columnAt);
        }
        for (const SideGap& gap : loads.gaps) {
            addGap(level, gap);
        }
        for (auto& [key, joint] : joints) {
            resolve(level, lines, GridPoint{key.first, key.second}, joint, columnAt);
        }
        for (const auto& [key, index] : columnAt) {
            total(index);
        }
    }

    void addColumns(int level, const BeamLines& lines,
                    std::map<std::pair<int, int>, std::size_t>& columnAt) {
        for (const LevelColumn& column : document_.level(level).columns) {
            const std::optional<GridPoint> point = lines.pointAt(column.x, column.z);
            if (!column.fromBelow || !point) {
                continue;
            }
            const MemberFacts facts = document_.member(column.member);
            ColumnTakedown taken;
            taken.member = column.member;
            taken.level = level;
            taken.bottomLevel = document_.levelAtHeight(facts.start.y);
            taken.point = *point;
            taken.at = {column.x, column.z};
            taken.topJoint = facts.end.number;
            taken.bottomJoint = facts.start.number;
            const std::size_t index = result_.columns.size();
            columnAt[{point->ix, point->iz}] = index;
            result_.columnsByLevel[static_cast<std::size_t>(level)].push_back(index);
            result_.columns.push_back(std::move(taken));
        }
    }

    // A column above reaches the joint: the column below continues it, or the joint takes its
    // load as one of its own.
    void land(const Arrival& arrival, JointLoad& joint,
              const std::map<std::pair<int, int>, std::size_t>& columnAt) {
        const auto below = columnAt.find({arrival.point.ix, arrival.point.iz});
        if (below != columnAt.end() && !result_.columns[below->second].columnAbove) {
            result_.columns[below->second].columnAbove = arrival.column;
            result_.columns[arrival.column].columnBelow = below->second;
            return;
        }
        const ColumnTakedown& column = result_.columns[arrival.column];
        for (const auto& [caseIndex, kN] : column.below.entries()) {
            joint.load.add({LoadSource::ColumnAbove, 0, caseIndex, column.member, kN});
        }
        if (below == columnAt.end()) {
            joint.standing = arrival.column;
        }
    }

    void resolve(int level, const BeamLines& lines, const GridPoint& point, JointLoad& joint,
                 const std::map<std::pair<int, int>, std::size_t>& columnAt) {
        if (const auto below = columnAt.find({point.ix, point.iz}); below != columnAt.end()) {
            result_.columns[below->second].direct.addScaled(joint.load, 1);
            return;
        }
        const int32_t number = document_.grid.joints.at(point.ix, level, point.iz);
        const PlanPoint at = lines.positionOf(point);
        const std::vector<Transfer> transfers = lines.transfersFrom(point);
        const int meeting = lines.membersMeeting(point);
        if (joint.standing) {
            ends_[*joint.standing] = !transfers.empty() ? StackEnd::OnBeams
                                     : meeting == 0     ? StackEnd::Base
                                                        : StackEnd::Unsupported;
            if (meeting == 0) {
                return;
            }
        }
        if (!transfers.empty()) {
            for (const Transfer& transfer : transfers) {
                Inflow inflow{
                    point, number, at, transfer.fraction, transfer.alongX, transfer.cantilever, {}};
                inflow.load.addScaled(joint.load, transfer.fraction);
                result_.columns[columnAt.at({transfer.to.ix, transfer.to.iz})].inflows.push_back(
                    std::move(inflow));
            }
            return;
        }
        const bool beamEnd = meeting == 1 && !joint.standing;
        if (joint.load.empty() && !beamEnd) {
            return;
        }
        UnsupportedLoad lost;
        lost.kind = beamEnd ? UnsupportedKind::BeamEnd : UnsupportedKind::Joint;
        lost.level = level;
        lost.at = at;
        lost.to = at;
        lost.joint = number;
        lost.load = joint.load;
        lost.byCase = joint.load.byCase();
        if (!result_.hasColumns) {
            lost.why =
                "the listing has no columns (no vertical members), so no load reaches the "
                "ground";
        } else if (beamEnd) {
            lost.member = beamEndingAt(level, point);
            lost.why = "beam " + std::to_string(lost.member) + " ends at " + jointText(number) +
                       ", where no column stands below and no other member meets it";
        } else if (joint.standing) {
            lost.member = result_.columns[*joint.standing].member;
            lost.why = "column " + std::to_string(lost.member) + " stands on " + jointText(number) +
                       ", where no column continues below and no line of beams through it "
                       "reaches one";
        } else {
            lost.why = "no column stands below " + jointText(number) +
                       " and no line of beams through it reaches one";
        }
        result_.unsupported.push_back(std::move(lost));
    }

    int32_t beamEndingAt(int level, const GridPoint& point) const {
        for (const BeamTakedown& beam : result_.levels[static_cast<std::size_t>(level - 1)].beams) {
            if (beam.from == point || beam.to == point) {
                return beam.member;
            }
        }
        return 0;
    }

    void addGap(int level, const SideGap& gap) {
        UnsupportedLoad lost;
        lost.kind = UnsupportedKind::PanelSide;
        lost.level = level;
        lost.at = gap.from;
        lost.to = gap.to;
        lost.load = gap.load;
        lost.byCase = gap.load.byCase();
        const PanelBounds& bounds = document_.level(level).panels[gap.panel].bounds;
        lost.why = "no beam runs along " +
                   stretchText(metres(gap.from.x), metres(gap.to.x), metres(gap.from.z),
                               metres(gap.to.z)) +
                   " of the side of the panel " + boundsText(bounds);
        result_.unsupported.push_back(std::move(lost));
    }

    void total(std::size_t index) {
        ColumnTakedown& column = result_.columns[index];
        column.added = column.direct.byCase();
        for (const Inflow& inflow : column.inflows) {
            column.added.addScaled(inflow.load.byCase());
        }
        if (column.columnAbove) {
            column.above = result_.columns[*column.columnAbove].below;
        }
        column.below = column.added;
        column.below.addScaled(column.above);
        if (column.bottomLevel >= 1) {
            arrivals_[static_cast<std::size_t>(column.bottomLevel)].push_back(
                {column.point, index});
        }
    }

    void buildStacks() {
        for (std::size_t top = 0; top < result_.columns.size(); ++top) {
            if (result_.columns[top].columnAbove) {
                continue;
            }
            ColumnStack stack;
            const ColumnTakedown& first = result_.columns[top];
            stack.at = first.at;
            stack.name = stackName(first);
            std::optional<std::size_t> at = top;
            while (at) {
                stack.columns.push_back(*at);
                at = result_.columns[*at].columnBelow;
            }
            const ColumnTakedown& last = result_.columns[stack.columns.back()];
            stack.endLevel = last.bottomLevel;
            const auto end = ends_.find(stack.columns.back());
            stack.end = end != ends_.end() ? end->second : StackEnd::Base;
            result_.stacks.push_back(std::move(stack));
        }
        std::sort(result_.stacks.begin(), result_.stacks.end(),
                  [this](const ColumnStack& a, const ColumnStack& b) {
                      return std::make_tuple(a.at.z, a.at.x, -result_.columns[a.columns[0]].level) <
                             std::make_tuple(b.at.z, b.at.x, -result_.columns[b.columns[0]].level);
                  });
        for (std::size_t s = 0; s < result_.stacks.size(); ++s) {
            for (const std::size_t column : result_.stacks[s].columns) {
                result_.columns[column].stack = s;
            }
        }
    }

    std::string stackName(const ColumnTakedown& top) const {
        // Named by the building's lines, as the plans name them.
        return zLineNameAt(document_.grid, top.at.z) + "/" + xLineNameAt(document_.grid, top.at.x);
    }

    void balance() {
        Equilibrium& balance = result_.equilibrium;
        balance.floorLoadsMissed.resize(result_.cases.cases.size());
        for (const LevelTakedown& level : result_.levels) {
            if (level.limit) {
                balance.levelsLeftOut.push_back(level.level);
            }
            balance.floor.addScaled(level.floorLoad);
            balance.member.addScaled(level.memberLoad);
        }
        for (const ColumnStack& stack : result_.stacks) {
            if (stack.end == StackEnd::Base) {
                balance.bases.addScaled(result_.columns[stack.columns.back()].below);
            }
        }
        for (const UnsupportedLoad& lost : result_.unsupported) {
            balance.unsupported.addScaled(lost.byCase);
        }
        addMissedFloorLoads();
    }

    void addMissedFloorLoads() {
        for (const FloorLoad& load : document_.floorLoads) {
            bool acts = false;
            bool inPart = false;
            for (const LevelTakedown& level : result_.levels) {
                if (level.limit) {
                    continue;
                }
                for (const LevelPanel& panel : document_.level(level.level).panels) {
                    const PanelReach reach(level.height, panel.bounds);
                    if (!reach.reachesLevel(load)) {
                        break;
                    }
                    const bool covers = reach.coversPanel(load);
                    acts = acts || covers;
                    inPart = inPart || (!covers && coveredArea(load, panel.bounds) > 0);
                }
            }
            if (!acts || inPart) {
                result_.equilibrium.floorLoadsMissed[*result_.cases.caseIndex(load.caseNumber)]
                    .push_back(load.line);
            }
        }
    }

    const ListingDocument& document_;
    Takedown result_;
    std::vector<std::vector<Arrival>> arrivals_;
    // How stacks end where their bottom column reaches no column below.
    std::map<std::size_t, StackEnd> ends_;
};

}  // namespace

const LevelTakedown* Takedown::level(int level) const {
    if (level < 1 || static_cast<std::size_t>(level) > levels.size()) {
        return nullptr;
    }
    return &levels[static_cast<std::size_t>(level - 1)];
}

const std::vector<std::size_t>& Takedown::columnsOf(int level) const {
    static const std::vector<std::size_t> none;
    if (level < 1 || static_cast<std::size_t>(level) >= columnsByLevel.size()) {
        return none;
    }
    return columnsByLevel[static_cast<std::size_t>(level)];
}

const ColumnTakedown* Takedown::columnBelow(int level, const PlanPoint& at) const {
    for (const std::size_t index : columnsOf(level)) {
        if (columns[index].at == at) {
            return &columns[index];
        }
    }
    return nullptr;
}

Takedown takeDown(const ListingDocument& document, const TakedownSettings& settings) {
    return TakedownBuilder(document, settings).build();
}

const Takedown& documentTakedown(const ListingDocument& document) {
    return document.derived().get<Takedown>([&document] { return takeDown(document); });
}

}  // namespace fp

// The structure's facts, each built once on first use.
#include "structure/structure_model.h"

#include <unordered_map>

namespace fp {

struct StructureModel::Lookups {
    JointIndex joints;
    MemberJoins joins;
    std::unordered_map<int32_t, const Member*> firstMember;
    // How many joints of the building stand at each X, and at each Z.
    std::unordered_map<int16_t, int> jointsAtX;
    std::unordered_map<int16_t, int> jointsAtZ;

    explicit Lookups(const StructureRecords& records)
        : joints(records.joints), joins(records.members, records.designRows) {
        firstMember.reserve(records.members.size());
        for (const Member& member : records.members) {
            firstMember.try_emplace(member.number, &member);
        }
        for (const Joint& joint : records.joints) {
            if (joints.names(joint)) {
                ++jointsAtX[joint.x];
                ++jointsAtZ[joint.z];
            }
        }
    }
};

namespace {

// Whether a joint of the beam's level stands on its grid line strictly between its ends.
bool passesOverJoint(const Grid& grid, const MemberFacts& beam) {
    const bool alongX = beam.shape == MemberShape::BeamAlongX;
    const GridAxis& axis = alongX ? grid.x : grid.z;
    const int from = axis.lineOf(alongX ? beam.start.x : beam.start.z);
    const int to = axis.lineOf(alongX ? beam.end.x : beam.end.z);
    const int across = alongX ? grid.z.lineOf(beam.start.z) : grid.x.lineOf(beam.start.x);
    for (int line = std::min(from, to) + 1; line < std::max(from, to); ++line) {
        const int16_t joint = alongX ? grid.joints.at(line, beam.level, across)
                                     : grid.joints.at(across, beam.level, line);
        if (joint != 0) {
            return true;
        }
    }
    return false;
}

// The end of a member off the line of the other across one axis: the end whose coordinate fewer
// joints share, the end joint on a tie.
JointOffLine jointOffLine(const MemberFacts& member, bool xLine,
                          const std::unordered_map<int16_t, int>& jointsAt) {
    const int16_t startAt = xLine ? member.start.x : member.start.z;
    const int16_t endAt = xLine ? member.end.x : member.end.z;
    const bool startOff = jointsAt.at(startAt) < jointsAt.at(endAt);
    return {.joint = startOff ? member.start : member.end,
            .xLine = xLine,
            .line = startOff ? endAt : startAt};
}

}  // namespace

StructureModel::StructureModel(int levelCount)
    : levelsBuilt_(static_cast<std::size_t>(levelCount) + 1),
      levels_(static_cast<std::size_t>(levelCount) + 1) {}

StructureModel::~StructureModel() = default;

const StructureModel::Lookups& StructureModel::lookups(const StructureRecords& records) const {
    std::call_once(lookupsBuilt_, [&] { lookups_ = std::make_unique<Lookups>(records); });
    return *lookups_;
}

const JointIndex& StructureModel::joints(const StructureRecords& records) const {
    return lookups(records).joints;
}

const LevelModel& StructureModel::level(const StructureRecords& records, int level) const {
    if (level < 1 || static_cast<std::size_t>(level) >= levels_.size()) {
        // A listing without joints has no level: its plan is empty.
        static const LevelModel none;
        return none;
    }
    const auto at = static_cast<std::size_t>(level);
    std::call_once(levelsBuilt_[at], [&] {
        const Lookups& found = lookups(records);
        levels_[at] = buildLevel(LevelSources{records.grid, records.members, records.designRows,
                                              records.floorLoads, found.joints, found.joins},
                                 level);
    });
    return *levels_[at];
}

MemberFacts StructureModel::member(const StructureRecords& records, int32_t number) const {
    MemberFacts facts;
    facts.number = number;
    const Lookups& found = lookups(records);
    const auto member = found.firstMember.find(number);
    if (member == found.firstMember.end()) {
        return facts;
    }
    facts.record = *member->second;
    facts.designRow = found.joins.designRowOf(number);
    const Joint* start = found.joints.find(member->second->start);
    const Joint* end = found.joints.find(member->second->end);
    if (start == nullptr || end == nullptr) {
        facts.shape = MemberShape::Unjoined;
        return facts;
    }
    facts.start = *start;
    facts.end = *end;
    facts.shape = shapeOf(*start, *end);
    if (start->y == end->y) {
        facts.level = records.grid.y.lineOf(start->y);
    }
    const LineMiss miss = lineMissOf(*start, *end);
    if (miss.acrossX != 0) {
        facts.offLine.push_back(jointOffLine(facts, true, found.jointsAtX));
    }
    if (miss.acrossZ != 0) {
        facts.offLine.push_back(jointOffLine(facts, false, found.jointsAtZ));
    }
    if (!facts.isBeam()) {
        return facts;
    }
    facts.passesOverJoint = passesOverJoint(records.grid, facts);
    if (levelHasBeams(facts.level)) {
        for (const FramedMember& framed : level(records, facts.level).framed) {
            facts.onPlan = facts.onPlan || framed.member == number;
        }
    }
    return facts;
}

}  // namespace fp

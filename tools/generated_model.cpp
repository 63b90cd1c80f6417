// Lookups on a generated model and the check against the program's limits.
#include "generated_model.h"

#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

namespace gen {
namespace {

void require(bool holds, const std::string& what, std::size_t count, int limit) {
    if (!holds) {
        throw std::invalid_argument("the model would have " + std::to_string(count) + " " + what +
                                    ", more than the " + std::to_string(limit) +
                                    " a listing may hold");
    }
}

template <typename Values>
void requireAtMost(const Values& values, const std::string& what, int limit) {
    require(values.size() <= static_cast<std::size_t>(limit), what, values.size(), limit);
}

}  // namespace

const Joint& Model::joint(int number) const {
    for (const Joint& joint : joints) {
        if (joint.number == number) {
            return joint;
        }
    }
    throw std::logic_error("member refers to joint " + std::to_string(number) +
                           " that the model does not have");
}

const Member& Model::member(int number) const {
    for (const Member& member : members) {
        if (member.number == number) {
            return member;
        }
    }
    throw std::logic_error("the model has no member " + std::to_string(number));
}

double Model::length(const Member& member) const {
    const Joint& a = joint(member.start);
    const Joint& b = joint(member.end);
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}

bool Model::isColumn(const Member& member) const {
    return !member.beam && joint(member.start).y != joint(member.end).y;
}

void checkLimits(const Model& model) {
    requireAtMost(model.joints, "joints", Limits::kJoints);
    requireAtMost(model.members, "members", Limits::kMembers);
    std::set<double> xs;
    std::set<double> ys;
    std::set<double> zs;
    for (const Joint& joint : model.joints) {
        xs.insert(joint.x);
        ys.insert(joint.y);
        zs.insert(joint.z);
        if (joint.number > Limits::kJointNumber || std::fabs(joint.x) > Limits::kCoordinateMetres ||
            std::fabs(joint.y) > Limits::kCoordinateMetres ||
            std::fabs(joint.z) > Limits::kCoordinateMetres) {
            throw std::invalid_argument("joint " + std::to_string(joint.number) +
                                        " lies outside the 327 m a listing may span");
        }
    }
    requireAtMost(xs, "grid lines in X", Limits::kGridLines);
    requireAtMost(ys, "levels", Limits::kGridLines);
    requireAtMost(zs, "grid lines in Z", Limits::kGridLines);

    std::map<double, std::size_t> beamsPerLevel;
    std::size_t beams = 0;
    for (const Member& member : model.members) {
        if (member.beam) {
            ++beams;
            const std::size_t onLevel = ++beamsPerLevel[model.joint(member.start).y];
            require(onLevel <= Limits::kBeamsPerLevel, "beams on one level", onLevel,
                    Limits::kBeamsPerLevel);
        }
    }
    require(beams <= Limits::kDesignBlocks, "designed beams", beams, Limits::kDesignBlocks);

    std::size_t floorLoads = 0;
    std::set<double> intensities;
    std::set<double> memberLoadValues;
    for (const LoadCase& loadCase : model.cases) {
        floorLoads += loadCase.floorLoads.size();
        for (const FloorLoad& load : loadCase.floorLoads) {
            intensities.insert(load.value);
        }
        for (const MemberLoad& load : loadCase.memberLoads) {
            memberLoadValues.insert(load.value);
        }
    }
    require(floorLoads <= Limits::kFloorLoads, "floor loads", floorLoads, Limits::kFloorLoads);
    requireAtMost(intensities, "distinct floor-load intensities", Limits::kIntensities);
    requireAtMost(memberLoadValues, "distinct member-load values", Limits::kIntensities);
}

}  // namespace gen

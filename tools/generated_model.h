// The structure a generated listing describes: joints, members and load cases, in listing order.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace gen {

struct Joint {
    int number = 0;
    double x = 0;
    double y = 0;
    double z = 0;
};

// Start and end as the input writes them: not necessarily from the lower to the higher end.
struct Member {
    int number = 0;
    int start = 0;
    int end = 0;
    bool beam = false;
};

// A downward floor load over a band of heights; whole-plan loads omit the X and Z ranges.
struct FloorLoad {
    double y1 = 0;
    double y2 = 0;
    double value = 0;
    bool wholePlan = false;
    double x1 = 0;
    double x2 = 0;
    double z1 = 0;
    double z2 = 0;
};

// A uniform downward load on a list of members.
struct MemberLoad {
    std::vector<int> members;
    double value = 0;
};

// A horizontal joint load in global X, for the wind and seismic cases.
struct JointLoad {
    std::vector<int> joints;
    double forceX = 0;
};

struct LoadCase {
    int number = 0;
    std::string type;
    std::string title;
    bool selfWeight = false;
    std::vector<FloorLoad> floorLoads;
    std::vector<MemberLoad> memberLoads;
    std::vector<JointLoad> jointLoads;
};

// Factored sums of the primary cases, echoed after them.
struct Combination {
    int number = 0;
    std::string title;
    std::vector<std::pair<int, double>> factors;
};

struct Model {
    std::string title;
    std::vector<Joint> joints;
    std::vector<Member> members;
    std::vector<LoadCase> cases;
    std::vector<Combination> combinations;
    // The members with a design block, in the order the design output prints them.
    std::vector<int> designOrder;

    const Joint& joint(int number) const;
    const Member& member(int number) const;
    // In metres.
    double length(const Member& member) const;
    bool isColumn(const Member& member) const;
};

// What the program's model store holds; a generated model outside these limits is refused.
struct Limits {
    static constexpr int kJoints = 9000;
    static constexpr int kMembers = 9000;
    static constexpr int kGridLines = 100;
    static constexpr int kDesignBlocks = 2500;
    static constexpr int kFloorLoads = 1000;
    static constexpr int kIntensities = 20;
    static constexpr int kBeamsPerLevel = 300;
    static constexpr int kJointNumber = 32767;
    static constexpr double kCoordinateMetres = 327.67;
};

// Throws std::invalid_argument naming the first limit the model exceeds.
void checkLimits(const Model& model);

}  // namespace gen

// The bundled sample: a six-storey office block with an irregular plan.
#include "office_block.h"

#include <string>

namespace gen {
namespace {

constexpr int kFloors = 6;
constexpr double kLevels[kFloors + 1] = {0, 4.2, 7.8, 11.4, 15.0, 18.6, 22.2};

// The plan points of a floor, numbered 1..24 within the floor (joint = floor * 100 + point):
// 1..20 the column grid X 0/6/12/18/24 by Z 0/5/10.5/16, row by row; 21 and 22 the ends of the
// secondary beam at X 9; 23 and 24 the tips of the balcony cantilevers at Z 17.8.
struct PlanPoint {
    double x;
    double z;
};
constexpr PlanPoint kPoints[25] = {
    {0, 0},   {0, 0},   {6, 0},    {12, 0},   {18, 0},    {24, 0},    {0, 5},     {6, 5},  {12, 5},
    {18, 5},  {24, 5},  {0, 10.5}, {6, 10.5}, {12, 10.5}, {18, 10.5}, {24, 10.5}, {0, 16}, {6, 16},
    {12, 16}, {18, 16}, {24, 16},  {9, 5},    {9, 10.5},  {18, 17.8}, {24, 17.8}};

struct PlanBeam {
    int from;
    int to;
};

// X beams line by line, then Z beams; the balcony's cantilever at X 18 is written from its tip.
constexpr PlanBeam kBeams[] = {{1, 2},   {2, 3},   {3, 4},   {4, 5},              // Z 0
                               {6, 7},   {7, 21},  {21, 8},  {8, 9},   {9, 10},   // Z 5
                               {11, 12}, {12, 22}, {22, 13}, {13, 14}, {14, 15},  // Z 10.5
                               {16, 17}, {17, 18}, {18, 19}, {19, 20},            // Z 16
                               {23, 24},                                          // Z 17.8
                               {1, 6},   {6, 11},  {11, 16},                      // X 0
                               {2, 7},   {7, 12},  {12, 17},                      // X 6
                               {21, 22},                                          // X 9
                               {3, 8},   {8, 13},  {13, 18},                      // X 12
                               {4, 9},   {9, 14},  {14, 19}, {23, 19},            // X 18
                               {5, 10},  {10, 15}, {15, 20}, {20, 24}};           // X 24

bool hasBalcony(int floor) {
    return floor < kFloors;
}

bool onFloor(const PlanBeam& beam, int floor) {
    const bool balconyBeam = beam.from > 22 || beam.to > 22;
    const bool stairOpening = beam.from == 11 && beam.to == 12;
    return (hasBalcony(floor) || !balconyBeam) && (floor == kFloors || !stairOpening);
}

// A beam along one of the four outer faces of the main plan (the balcony lies beyond them).
bool isPerimeter(const PlanBeam& beam) {
    const PlanPoint& a = kPoints[beam.from];
    const PlanPoint& b = kPoints[beam.to];
    const bool withinPlan = a.z <= 16 && b.z <= 16;
    return withinPlan && ((a.z == 0 && b.z == 0) || (a.z == 16 && b.z == 16) ||
                          (a.x == 0 && b.x == 0) || (a.x == 24 && b.x == 24));
}

FloorLoad region(int floor, double value, double x1, double x2, double z1, double z2) {
    return {kLevels[floor] - 0.1, kLevels[floor] + 0.1, value, false, x1, x2, z1, z2};
}

FloorLoad wholeFloor(int floor, double value) {
    FloorLoad load = region(floor, value, 0, 0, 0, 0);
    load.wholePlan = true;
    return load;
}

class OfficeBlockBuilder {
  public:
    Model build() {
        model_.title = "OFFICE BLOCK - SIX STOREYS";
        for (int floor = 0; floor <= kFloors; ++floor) {
            const int points = floor == 0 ? 20 : hasBalcony(floor) ? 24 : 22;
            for (int point = 1; point <= points; ++point) {
                model_.joints.push_back(
                    {floor * 100 + point, kPoints[point].x, kLevels[floor], kPoints[point].z});
            }
        }
        for (int floor = 1; floor <= kFloors; ++floor) {
            addFloor(floor);
        }
        addLoadCases();
        return std::move(model_);
    }

  private:
    void addFloor(int floor) {
        int serial = 0;
        for (const PlanBeam& beam : kBeams) {
            ++serial;
            if (!onFloor(beam, floor)) {
                continue;
            }
            const int number = floor * 100 + serial;
            model_.members.push_back(
                {number, floor * 100 + beam.from, floor * 100 + beam.to, true});
            model_.designOrder.push_back(number);
            if (floor == kFloors) {
                (isPerimeter(beam) ? parapetBeams_ : roofBeams_).push_back(number);
            } else if (isPerimeter(beam)) {
                (kPoints[beam.from].x == kPoints[beam.to].x ? gableBeams_ : facadeBeams_)
                    .push_back(number);
            } else if (beam.from > 22 || beam.to > 22) {
                balconyBeams_.push_back(number);
            }
        }
        for (int point = 1; point <= 20; ++point) {
            const int number = 1000 + floor * 100 + point;
            model_.members.push_back({number, (floor - 1) * 100 + point, floor * 100 + point});
            if (floor == 1) {
                model_.designOrder.push_back(number);
            }
        }
    }

    void addLoadCases() {
        LoadCase dead{1, "Dead", "DEAD LOAD", true, {}, {}, {}};
        for (int floor = 1; floor < kFloors; ++floor) {
            dead.floorLoads.push_back(region(floor, -4.5, 0, 24, 0, 16));
            dead.floorLoads.push_back(region(floor, -3.5, 18, 24, 16, 17.8));
        }
        dead.floorLoads.push_back(wholeFloor(kFloors, -5.5));
        dead.memberLoads = {
            {facadeBeams_, -10}, {gableBeams_, -12.5}, {balconyBeams_, -3}, {parapetBeams_, -4}};

        LoadCase live{2, "Live", "LIVE LOAD", false, {}, {}, {}};
        for (int floor = 1; floor < kFloors - 1; ++floor) {
            live.floorLoads.push_back(region(floor, -3, 0, 24, 0, 5));
            live.floorLoads.push_back(region(floor, -4, 0, 24, 5, 10.5));
            live.floorLoads.push_back(region(floor, -3, 0, 24, 10.5, 16));
        }
        live.floorLoads.push_back(wholeFloor(kFloors - 1, -5));
        for (int floor = 1; floor < kFloors; ++floor) {
            live.floorLoads.push_back(region(floor, -5, 18, 24, 16, 17.8));
        }
        live.floorLoads.push_back(wholeFloor(kFloors, -1.5));
        live.memberLoads = {{roofBeams_, -2}};

        LoadCase wind{3, "Wind", "WIND FROM WEST", false, {}, {}, {}};
        for (int floor = 1; floor <= kFloors; ++floor) {
            const int base = floor * 100;
            wind.jointLoads.push_back(
                {{base + 1, base + 6, base + 11, base + 16}, floor == kFloors ? 6.25 : 12.5});
        }
        model_.cases = {dead, live, wind};
        model_.combinations = {{4, "1.5 (DEAD + LIVE)", {{1, 1.5}, {2, 1.5}}},
                               {5, "1.2 (DEAD + LIVE + WIND)", {{1, 1.2}, {2, 1.2}, {3, 1.2}}}};
    }

    Model model_;
    std::vector<int> facadeBeams_;
    std::vector<int> gableBeams_;
    std::vector<int> balconyBeams_;
    std::vector<int> roofBeams_;
    std::vector<int> parapetBeams_;
};

}  // namespace

Model officeBlock() {
    Model model = OfficeBlockBuilder().build();
    checkLimits(model);
    return model;
}

}  // namespace gen

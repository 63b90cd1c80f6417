// A regular multi-storey frame: bays of a few typical spans, every floor fully framed.
#include "regular_frame.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace gen {
namespace {

// Positions of grid lines: the first span, then the typical spans in turn; all spans even
// instead when the frame would grow wider than a listing may span.
std::vector<double> gridPositions(int bays, const std::vector<double>& spans, double first) {
    std::vector<double> positions{0};
    for (int i = 0; i < bays; ++i) {
        const double span = i == 0 ? first : spans[static_cast<std::size_t>(i) % spans.size()];
        positions.push_back(std::round((positions.back() + span) * 100) / 100);
    }
    if (positions.back() > Limits::kCoordinateMetres) {
        const double even = std::floor(32000.0 / bays) / 100;
        for (int i = 0; i <= bays; ++i) {
            positions[static_cast<std::size_t>(i)] = std::round(i * even * 100) / 100;
        }
    }
    return positions;
}

class FrameBuilder {
  public:
    explicit FrameBuilder(const FrameShape& shape)
        : shape_(shape),
          xs_(shape.span > 0 ? gridPositions(shape.baysX, {shape.span}, shape.span)
                             : gridPositions(shape.baysX, {6.0, 7.5, 6.0, 4.5}, 6.0)),
          zs_(shape.span > 0 ? gridPositions(shape.baysZ, {shape.span}, shape.span)
                             : gridPositions(shape.baysZ, {5.0, 6.0, 7.2, 6.0}, 5.0)),
          ys_(gridPositions(shape.storeys, {3.6}, 4.2)) {}

    Model build() {
        model_.title = "GENERATED FRAME " + std::to_string(shape_.storeys) + " STOREYS " +
                       std::to_string(shape_.baysX) + " X " + std::to_string(shape_.baysZ) +
                       " BAYS";
        addJoints();
        addMembers();
        addLoadCases();
        return std::move(model_);
    }

  private:
    int jointNumber(int ix, int iy, int iz) const {
        const int perLevel = (shape_.baysX + 1) * (shape_.baysZ + 1);
        return iy * perLevel + iz * (shape_.baysX + 1) + ix + 1;
    }

    void addJoints() {
        for (int iy = 0; iy <= shape_.storeys; ++iy) {
            for (int iz = 0; iz <= shape_.baysZ; ++iz) {
                for (int ix = 0; ix <= shape_.baysX; ++ix) {
                    model_.joints.push_back({jointNumber(ix, iy, iz), xs_[std::size_t(ix)],
                                             ys_[std::size_t(iy)], zs_[std::size_t(iz)]});
                }
            }
        }
    }

    // Every seventh beam is written from its far end, as drawn by hand in real models.
    void addBeam(int from, int to, int storey) {
        const int number = ++memberNumber_;
        const bool reversed = number % 7 == 0;
        model_.members.push_back({number, reversed ? to : from, reversed ? from : to, true});
        model_.designOrder.push_back(number);
        const bool edge = isEdge(from) && isEdge(to);
        if (storey == shape_.storeys) {
            (edge ? parapetBeams_ : roofBeams_).push_back(number);
        } else {
            (edge ? edgeBeams_ : innerBeams_).push_back(number);
        }
    }

    bool isEdge(int joint) const {
        const int perLevel = (shape_.baysX + 1) * (shape_.baysZ + 1);
        const int local = (joint - 1) % perLevel;
        const int ix = local % (shape_.baysX + 1);
        const int iz = local / (shape_.baysX + 1);
        return ix == 0 || ix == shape_.baysX || iz == 0 || iz == shape_.baysZ;
    }

    void addMembers() {
        for (int iy = 1; iy <= shape_.storeys; ++iy) {
            for (int iz = 0; iz <= shape_.baysZ; ++iz) {
                for (int ix = 0; ix < shape_.baysX; ++ix) {
                    addBeam(jointNumber(ix, iy, iz), jointNumber(ix + 1, iy, iz), iy);
                }
            }
            for (int ix = 0; ix <= shape_.baysX; ++ix) {
                for (int iz = 0; iz < shape_.baysZ; ++iz) {
                    addBeam(jointNumber(ix, iy, iz), jointNumber(ix, iy, iz + 1), iy);
                }
            }
            for (int iz = 0; iz <= shape_.baysZ; ++iz) {
                for (int ix = 0; ix <= shape_.baysX; ++ix) {
                    const int number = ++memberNumber_;
                    model_.members.push_back(
                        {number, jointNumber(ix, iy - 1, iz), jointNumber(ix, iy, iz), false});
                    model_.designOrder.push_back(number);
                }
            }
        }
    }

    FloorLoad band(int storey, double value) const {
        FloorLoad load;
        load.y1 = ys_[std::size_t(storey)] - 0.1;
        load.y2 = ys_[std::size_t(storey)] + 0.1;
        load.value = value;
        load.wholePlan = true;
        return load;
    }

    // Odd floors load the whole plan at once; even floors load the two halves of the plan,
    // the second half a little heavier.
    void addFloorLoads(LoadCase& loadCase, double typical, double roof) const {
        for (int storey = 1; storey <= shape_.storeys; ++storey) {
            const double value = storey == shape_.storeys ? roof : typical;
            if (storey % 2 == 1 || shape_.baysX < 2) {
                loadCase.floorLoads.push_back(band(storey, value));
                continue;
            }
            const double middle = xs_[std::size_t(shape_.baysX / 2)];
            FloorLoad west = band(storey, value);
            west.wholePlan = false;
            west.x1 = xs_.front();
            west.x2 = middle;
            west.z1 = zs_.front();
            west.z2 = zs_.back();
            FloorLoad east = west;
            east.x1 = middle;
            east.x2 = xs_.back();
            east.value = value - 0.5;
            loadCase.floorLoads.push_back(west);
            loadCase.floorLoads.push_back(east);
        }
    }

    void addLoadCases() {
        static const char* const kKinds[] = {
            "DEAD", "LIVE", "WIND X", "WIND Z", "SEISMIC", "SUPERIMPOSED DEAD", "ROOF LIVE"};
        for (int number = 1; number <= shape_.loadCases; ++number) {
            const std::string kind = kKinds[(number - 1) % 7];
            LoadCase loadCase;
            loadCase.number = number;
            loadCase.title = kind + " LOAD";
            if (kind == "DEAD") {
                loadCase.type = "Dead";
                loadCase.selfWeight = true;
                addFloorLoads(loadCase, -4.5, -5.5);
                loadCase.memberLoads = {
                    {edgeBeams_, -12.5}, {innerBeams_, -7.5}, {parapetBeams_, -4}};
            } else if (kind == "LIVE") {
                loadCase.type = "Live";
                addFloorLoads(loadCase, -3, -1.5);
                loadCase.memberLoads = {{roofBeams_, -2}};
            } else if (kind == "SUPERIMPOSED DEAD") {
                loadCase.type = "Dead";
                addFloorLoads(loadCase, -1.5, -2.5);
            } else if (kind == "ROOF LIVE") {
                loadCase.type = "Roof Live";
                loadCase.floorLoads.push_back(band(shape_.storeys, -0.75));
            } else {
                loadCase.type = kind == "SEISMIC" ? "Seismic" : "Wind";
                addSideLoads(loadCase, kind == "SEISMIC" ? 25 : 8.5);
            }
            model_.cases.push_back(std::move(loadCase));
        }
        if (shape_.loadCases >= 2) {
            model_.combinations.push_back({101, "1.5 (DEAD + LIVE)", {{1, 1.5}, {2, 1.5}}});
        }
        if (shape_.loadCases >= 3) {
            model_.combinations.push_back(
                {102, "1.2 (DEAD + LIVE + WIND X)", {{1, 1.2}, {2, 1.2}, {3, 1.2}}});
        }
    }

    // Horizontal loads on the joints of the windward face, growing with height.
    void addSideLoads(LoadCase& loadCase, double base) const {
        for (int iy = 1; iy <= shape_.storeys; ++iy) {
            JointLoad load;
            for (int iz = 0; iz <= shape_.baysZ; ++iz) {
                load.joints.push_back(jointNumber(0, iy, iz));
            }
            load.forceX = std::round(base * (1 + 0.1 * iy) * 100) / 100;
            loadCase.jointLoads.push_back(std::move(load));
        }
    }

    FrameShape shape_;
    std::vector<double> xs_;
    std::vector<double> zs_;
    std::vector<double> ys_;
    Model model_;
    int memberNumber_ = 0;
    std::vector<int> edgeBeams_;
    std::vector<int> innerBeams_;
    std::vector<int> roofBeams_;
    std::vector<int> parapetBeams_;
};

void requireRange(int value, int low, int high, const std::string& what) {
    if (value < low || value > high) {
        throw std::invalid_argument(what + " must be from " + std::to_string(low) + " to " +
                                    std::to_string(high) + ", not " + std::to_string(value));
    }
}

}  // namespace

Model regularFrame(const FrameShape& shape) {
    requireRange(shape.storeys, 1, Limits::kGridLines - 1, "storeys");
    requireRange(shape.baysX, 1, Limits::kGridLines - 1, "bays in X");
    requireRange(shape.baysZ, 1, Limits::kGridLines - 1, "bays in Z");
    requireRange(shape.loadCases, 1, 99, "load cases");
    const long joints = long{shape.storeys + 1} * (shape.baysX + 1) * (shape.baysZ + 1);
    if (joints > Limits::kJoints) {
        throw std::invalid_argument("the model would have " + std::to_string(joints) +
                                    " joints, more than the " + std::to_string(Limits::kJoints) +
                                    " a listing may hold");
    }
    Model model = FrameBuilder(shape).build();
    checkLimits(model);
    return model;
}

}  // namespace gen

// Candidate places inside a panel, beside a line and around a point.
#include "plan/label_candidates.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace fp {
namespace {

// The most values tried along one axis each side of the designed one.
constexpr int kMostSteps = 4;

bool within(const PlanRect& box, const PlanRect& home) {
    return box.left >= home.left && box.right <= home.right && box.top >= home.top &&
           box.bottom <= home.bottom;
}

// Values from lo to hi: the one nearest 0 first, then steps either side of it, and the two ends,
// so that a box may stand flush with either side of its room. None when lo > hi.
std::vector<double> spread(double lo, double hi, double step) {
    std::vector<double> values;
    if (lo > hi) {
        return values;
    }
    const double first = std::clamp(0.0, lo, hi);
    step = std::max(step, (hi - lo) / (2 * kMostSteps));
    values.push_back(first);
    for (int k = 1; k <= kMostSteps && step > 0; ++k) {
        for (const double value : {first - k * step, first + k * step}) {
            if (value > lo && value < hi) {
                values.push_back(value);
            }
        }
    }
    for (const double end : {lo, hi}) {
        if (std::find(values.begin(), values.end(), end) == values.end()) {
            values.push_back(end);
        }
    }
    return values;
}

// Nearest the designed place first, distances counted in sizes of the box, the earlier made
// first among equals. Each distance is worked out once: a placement orders these lists for
// every label, size and form it tries.
void nearestFirst(std::vector<Shift>& shifts, const PlanRect& box) {
    const double width = std::max(box.width(), 1e-9);
    const double height = std::max(box.height(), 1e-9);
    struct Ranked {
        double distance;
        std::size_t made;
    };
    std::vector<Ranked> ranked(shifts.size());
    for (std::size_t i = 0; i < shifts.size(); ++i) {
        const double distance = std::hypot(shifts[i].dx / width, shifts[i].dz / height);
        // A place worked out from a broken measure goes last rather than upset the order.
        ranked[i] = {std::isnan(distance) ? std::numeric_limits<double>::infinity() : distance, i};
    }
    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        return a.distance < b.distance || (a.distance == b.distance && a.made < b.made);
    });
    std::vector<Shift> ordered(shifts.size());
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        ordered[i] = shifts[ranked[i].made];
    }
    shifts = std::move(ordered);
}

std::vector<Shift> inside(const PlanRect& home, const PlanRect& box, const Air& air) {
    const std::vector<double> xs =
        spread(home.left + air.x - box.left, home.right - air.x - box.right, box.width() / 2);
    const std::vector<double> zs =
        spread(home.top + air.z - box.top, home.bottom - air.z - box.bottom, box.height() / 2);
    std::vector<Shift> shifts;
    shifts.reserve(xs.size() * zs.size());
    for (const double dz : zs) {
        for (const double dx : xs) {
            shifts.push_back({dx, dz});
        }
    }
    nearestFirst(shifts, box);
    return shifts;
}

std::vector<Shift> besideLine(const PlanLabel& label, const PlanRect& box, const Air& air) {
    const PlanRect& line = label.feature;
    std::vector<Shift> shifts;
    if (line.width() >= line.height()) {
        // Along X: above and below the line, the box's middle over it.
        const double middle = (box.left + box.right) / 2;
        const std::vector<double> along =
            spread(line.left - middle, line.right - middle, box.width() / 2 + air.x);
        const double above = line.top - air.z - box.bottom;
        const double below = line.bottom + air.z - box.top;
        const double row = box.height() + air.z;
        for (const double dz : {0.0, above, below, above - row, below + row}) {
            for (const double dx : along) {
                shifts.push_back({dx, dz});
            }
        }
    } else {
        const double middle = (box.top + box.bottom) / 2;
        const std::vector<double> along =
            spread(line.top - middle, line.bottom - middle, box.height() / 2 + air.z);
        const double left = line.left - air.x - box.right;
        const double right = line.right + air.x - box.left;
        const double column = box.width() + air.x;
        for (const double dx : {0.0, left, right, left - column, right + column}) {
            for (const double dz : along) {
                shifts.push_back({dx, dz});
            }
        }
    }
    nearestFirst(shifts, box);
    return shifts;
}

std::vector<Shift> aroundPoint(const PlanLabel& label, const PlanRect& box, const Air& air) {
    const PlanRect& point = label.feature;
    const double middleX = (point.left + point.right) / 2 - box.width() / 2;
    const double middleZ = (point.top + point.bottom) / 2 - box.height() / 2;
    std::vector<Shift> shifts{{0, 0}};
    for (int ring = 0; ring < 2; ++ring) {
        const double farX = ring * (box.width() / 2 + air.x);
        const double farZ = ring * (box.height() + air.z);
        const double right = point.right + air.x + farX;
        const double left = point.left - air.x - box.width() - farX;
        const double below = point.bottom + farZ;
        const double above = point.top - box.height() - farZ;
        for (const auto& [x, z] : {std::pair{right, below},
                                   {right, above},
                                   {left, below},
                                   {left, above},
                                   {right, middleZ},
                                   {left, middleZ},
                                   {middleX, above - air.z},
                                   {middleX, below + air.z}}) {
            shifts.push_back({x - box.left, z - box.top});
        }
    }
    return shifts;
}

}  // namespace

std::vector<Shift> candidateShifts(const PlanLabel& label, const PlanRect& box, const Air& air) {
    std::vector<Shift> shifts;
    switch (label.rule) {
        case CandidateRule::Fixed:
            // Centred in its home, at whatever size it is tried.
            shifts = {{(label.home.left + label.home.right - box.left - box.right) / 2,
                       (label.home.top + label.home.bottom - box.top - box.bottom) / 2}};
            break;
        case CandidateRule::Inside:
            return inside(label.home, box, air);
        case CandidateRule::BesideLine:
            shifts = besideLine(label, box, air);
            break;
        case CandidateRule::AroundPoint:
            shifts = aroundPoint(label, box, air);
            break;
    }
    std::erase_if(shifts, [&](const Shift& shift) {
        return !within(box.movedBy(shift.dx, shift.dz), label.home);
    });
    return shifts;
}

}  // namespace fp

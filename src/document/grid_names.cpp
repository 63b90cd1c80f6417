// Grid lines named as on architects' drawings.
#include "document/grid_names.h"

#include <algorithm>
#include <string_view>

namespace fp {
namespace {

// The letters of Z lines: I and O are left out, as they read as one and nought.
constexpr std::string_view kLineLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
// How far outside its outermost lines a point still gets the nearest intersection named.
constexpr double kNamedReach = 25;

// The index of the value nearest to `at` in an ascending list that is not empty.
std::size_t nearestIndex(const std::vector<float>& values, double at) {
    const auto above = std::lower_bound(values.begin(), values.end(), at);
    if (above == values.begin()) {
        return 0;
    }
    if (above == values.end() || at - *(above - 1) <= *above - at) {
        return static_cast<std::size_t>(above - values.begin()) - 1;
    }
    return static_cast<std::size_t>(above - values.begin());
}

}  // namespace

LevelGridLines gridLinesOf(const ListingDocument& document, int level) {
    LevelGridLines lines;
    const Grid& grid = document.grid;
    if (level < 1 || level > grid.levelCount()) {
        return lines;
    }
    std::vector<bool> zUsed(static_cast<std::size_t>(grid.z.count()) + 1, false);
    for (int ix = 1; ix <= grid.x.count(); ++ix) {
        bool xUsed = false;
        for (int iz = 1; iz <= grid.z.count(); ++iz) {
            if (grid.joints.at(ix, level, iz) > 0) {
                xUsed = true;
                zUsed[static_cast<std::size_t>(iz)] = true;
            }
        }
        if (xUsed) {
            lines.x.push_back(grid.x.at(ix));
        }
    }
    for (int iz = 1; iz <= grid.z.count(); ++iz) {
        if (zUsed[static_cast<std::size_t>(iz)]) {
            lines.z.push_back(grid.z.at(iz));
        }
    }
    return lines;
}

std::string xLineName(std::size_t index) {
    return std::to_string(index + 1);
}

std::string zLineName(std::size_t index) {
    // Counting in the letters as digits with no nought: A ... Z, AA ... AZ, BA ...
    const std::size_t base = kLineLetters.size();
    std::string name;
    std::size_t rest = index + 1;
    while (rest > 0) {
        --rest;
        name.insert(name.begin(), kLineLetters[rest % base]);
        rest /= base;
    }
    return name;
}

std::string nearestIntersection(const LevelGridLines& lines, double x, double z) {
    if (lines.x.empty() || lines.z.empty() || x < lines.x.front() - kNamedReach ||
        x > lines.x.back() + kNamedReach || z < lines.z.front() - kNamedReach ||
        z > lines.z.back() + kNamedReach) {
        return {};
    }
    return zLineName(nearestIndex(lines.z, z)) + "/" + xLineName(nearestIndex(lines.x, x));
}

}  // namespace fp

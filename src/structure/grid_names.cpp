// Grid line names from the building's grid.
#include "structure/grid_names.h"

#include <algorithm>
#include <string_view>

namespace fp {
namespace {

// The letters of Z lines: I and O are left out, as they read as one and nought.
constexpr std::string_view kLineLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
// How far outside its outermost lines a point still gets the nearest intersection named.
constexpr double kNamedReach = 25;
constexpr const char* kDash = "\u2013";

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

std::string nameAt(const GridAxis& axis, float at, std::string (*name)(std::size_t)) {
    for (int line = 1; line <= axis.count(); ++line) {
        if (axis.at(line) == at) {
            return name(static_cast<std::size_t>(line - 1));
        }
    }
    return {};
}

// "1–2", or "1" when both ends are one line.
std::string between(const std::string& first, const std::string& last) {
    return first == last ? first : first + kDash + last;
}

}  // namespace

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

GridLineSet buildingGridLines(const Grid& grid) {
    GridLineSet lines;
    for (int ix = 1; ix <= grid.x.count(); ++ix) {
        lines.x.push_back(grid.x.at(ix));
        lines.xNames.push_back(xLineName(static_cast<std::size_t>(ix - 1)));
    }
    for (int iz = 1; iz <= grid.z.count(); ++iz) {
        lines.z.push_back(grid.z.at(iz));
        lines.zNames.push_back(zLineName(static_cast<std::size_t>(iz - 1)));
    }
    return lines;
}

GridLineSet levelGridLines(const Grid& grid, int level) {
    GridLineSet lines;
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
            lines.xNames.push_back(xLineName(static_cast<std::size_t>(ix - 1)));
        }
    }
    for (int iz = 1; iz <= grid.z.count(); ++iz) {
        if (zUsed[static_cast<std::size_t>(iz)]) {
            lines.z.push_back(grid.z.at(iz));
            lines.zNames.push_back(zLineName(static_cast<std::size_t>(iz - 1)));
        }
    }
    return lines;
}

std::string nearestIntersection(const GridLineSet& lines, double x, double z) {
    if (lines.x.empty() || lines.z.empty() || x < lines.x.front() - kNamedReach ||
        x > lines.x.back() + kNamedReach || z < lines.z.front() - kNamedReach ||
        z > lines.z.back() + kNamedReach) {
        return {};
    }
    return lines.zNames[nearestIndex(lines.z, z)] + "/" + lines.xNames[nearestIndex(lines.x, x)];
}

std::string xLineNameAt(const Grid& grid, float x) {
    return nameAt(grid.x, x, xLineName);
}

std::string zLineNameAt(const Grid& grid, float z) {
    return nameAt(grid.z, z, zLineName);
}

std::string gridBayText(const Grid& grid, const PanelBounds& bounds) {
    const std::string x1 = xLineNameAt(grid, bounds.x1);
    const std::string x2 = xLineNameAt(grid, bounds.x2);
    const std::string z1 = zLineNameAt(grid, bounds.z1);
    const std::string z2 = zLineNameAt(grid, bounds.z2);
    if (x1.empty() || x2.empty() || z1.empty() || z2.empty()) {
        return {};
    }
    return between(z1, z2) + "/" + between(x1, x2);
}

std::string gridLineText(const Grid& grid, float x1, float z1, float x2, float z2) {
    return gridBayText(grid,
                       {std::min(x1, x2), std::min(z1, z2), std::max(x1, x2), std::max(z1, z2)});
}

}  // namespace fp

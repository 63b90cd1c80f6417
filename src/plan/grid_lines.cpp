// Grid lines and their bubbles.
#include "plan/grid_lines.h"

#include <algorithm>

#include "plan/text_placement.h"

namespace fp {
namespace {

// The letters of Z lines: I and O are left out, as they read as one and nought.
constexpr std::string_view kLineLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
// How far the plan's frame reaches beyond the model's outermost lines, in plan units.
constexpr float kFrameMargin = 100;
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

// A bubble's size in both plan directions, which the surface may scale each on its own.
struct BubbleSize {
    float across;  // radius in horizontal plan units
    float down;    // the same radius in vertical plan units
    float textHeight;
};

BubbleSize bubbleSize(Surface& surface) {
    const auto digit = static_cast<float>(surface.textWidth("8"));
    // Room for three digits ("100") with a quarter digit to spare each side.
    const float across = static_cast<float>(surface.textWidth("888")) / 2 + digit / 4;
    return {across, across * static_cast<float>(surface.verticalPerHorizontal()),
            static_cast<float>(surface.textHeight("8"))};
}

// From the outermost line to a bubble's centre: in the frame's margin where it has room.
float bubbleOffset(float radius) {
    return std::max(kFrameMargin - 1.6f * radius, 1.5f * radius);
}

void drawBubble(Surface& surface, const BubbleSize& size, const std::string& name, float x,
                float z) {
    surface.circle(x, z, size.across);
    writeAligned(surface, name, x, z - size.textHeight / 2, Alignment::Centre);
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

void drawGridLines(const ListingDocument& document, const PlanView& view, Surface& surface) {
    const LevelGridLines lines = gridLinesOf(document, view.level);
    if (!view.gridLines || lines.x.empty()) {
        return;
    }
    surface.startPart(PlanPart::Grid);
    const BubbleSize size = bubbleSize(surface);
    const float acrossOffset = bubbleOffset(size.across);
    const float downOffset = bubbleOffset(size.down);
    const float top = lines.z.front() - downOffset;
    const float bottom = lines.z.back() + downOffset;
    const float left = lines.x.front() - acrossOffset;
    const float right = lines.x.back() + acrossOffset;

    surface.setLineStyle(LineStyle::GridLine);
    for (const float x : lines.x) {
        surface.line(x, top + size.down, x, bottom - size.down);
    }
    for (const float z : lines.z) {
        surface.line(left + size.across, z, right - size.across, z);
    }
    surface.setLineStyle(LineStyle::Thin);
    for (std::size_t i = 0; i < lines.x.size(); ++i) {
        for (const float z : {top, bottom}) {
            drawBubble(surface, size, xLineName(i), lines.x[i], z);
        }
    }
    for (std::size_t i = 0; i < lines.z.size(); ++i) {
        for (const float x : {left, right}) {
            drawBubble(surface, size, zLineName(i), x, lines.z[i]);
        }
    }
    surface.setLineStyle(LineStyle::Normal);
}

}  // namespace fp

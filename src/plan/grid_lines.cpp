// Grid lines and their bubbles.
#include "plan/grid_lines.h"

#include <algorithm>

#include "plan/text_placement.h"

namespace fp {
namespace {

// How far the plan's frame reaches beyond the model's outermost lines, in plan units.
constexpr float kFrameMargin = 100;

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

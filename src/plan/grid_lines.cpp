// Grid lines and their bubbles.
#include "plan/grid_lines.h"

#include <algorithm>

#include "plan/label_form_writer.h"
#include "plan/text_placement.h"
#include "structure/grid_names.h"

namespace fp {
namespace {

// How far the plan's frame reaches beyond the model's outermost lines at the least, in plan units.
constexpr float kFrameMargin = 100;
// From an outermost line to the far side of its bubble, in radii, with a quarter radius to spare.
constexpr double kBubbleReach = 2.75;

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

// From the outermost line to a bubble's centre: in the frame's margin where it has room, else
// one and a half radii out, where the frame makes room for it.
float bubbleOffset(float radius) {
    return std::max(kFrameMargin - 1.6f * radius, 1.5f * radius);
}

class BubbleDrawing {
  public:
    BubbleDrawing(Surface& surface, PlanLabels& labels)
        : surface_(surface), labels_(labels), size_(bubbleSize(surface)), writer_(surface) {}

    const BubbleSize& size() const { return size_; }

    void draw(const std::string& name, float x, float z) {
        surface_.circle(x, z, size_.across);
        const PlanRect bubble{x - size_.across, z - size_.down, x + size_.across, z + size_.down};
        labels_.addObstacle(bubble, ObstacleKind::Line);
        writeAligned(writer_, name, x, z - size_.textHeight / 2, Alignment::Centre);
        PlanLabel label;
        label.part = PlanPart::Grid;
        label.rule = CandidateRule::Fixed;
        label.home = bubble;
        label.forms.push_back(writer_.take());
        labels_.add(std::move(label));
    }

  private:
    Surface& surface_;
    PlanLabels& labels_;
    BubbleSize size_;
    LabelFormWriter writer_;
};

}  // namespace

FrameRoom bubbleRoom(const PlanView& view, Surface& surface) {
    if (!view.gridLines) {
        return {};
    }
    const BubbleSize size = bubbleSize(surface);
    const double across = kBubbleReach * size.across;
    const double down = kBubbleReach * size.down;
    return {across, down, across, down};
}

void drawGridLines(const ListingDocument& document, const PlanView& view, Surface& surface,
                   PlanLabels& labels) {
    const GridLineSet lines = levelGridLines(document.grid, view.level);
    if (!view.gridLines || lines.x.empty()) {
        return;
    }
    surface.startPart(PlanPart::Grid);
    BubbleDrawing bubbles(surface, labels);
    const BubbleSize& size = bubbles.size();
    const float acrossOffset = bubbleOffset(size.across);
    const float downOffset = bubbleOffset(size.down);
    const float top = lines.z.front() - downOffset;
    const float bottom = lines.z.back() + downOffset;
    const float left = lines.x.front() - acrossOffset;
    const float right = lines.x.back() + acrossOffset;

    surface.setLineStyle(LineStyle::GridLine);
    for (const float x : lines.x) {
        surface.line(x, top + size.down, x, bottom - size.down);
        labels.addObstacle({x, top + size.down, x, bottom - size.down}, ObstacleKind::GridLine);
    }
    for (const float z : lines.z) {
        surface.line(left + size.across, z, right - size.across, z);
        labels.addObstacle({left + size.across, z, right - size.across, z}, ObstacleKind::GridLine);
    }
    surface.setLineStyle(LineStyle::Thin);
    for (std::size_t i = 0; i < lines.x.size(); ++i) {
        for (const float z : {top, bottom}) {
            bubbles.draw(lines.xNames[i], lines.x[i], z);
        }
    }
    for (std::size_t i = 0; i < lines.z.size(); ++i) {
        for (const float x : {left, right}) {
            bubbles.draw(lines.zNames[i], x, lines.z[i]);
        }
    }
    surface.setLineStyle(LineStyle::Normal);
}

}  // namespace fp

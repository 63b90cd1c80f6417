// Key lines flowed into the strips around a level's drawing.
#include "plan/key_room.h"

#include <utility>

namespace fp {
namespace {

// The most places tried along one row before the line goes to the next row.
constexpr int kMostTriesAlongARow = 64;

}  // namespace

KeyRoom::KeyRoom(const PlanRect& visible, const std::optional<PlanRect>& extent, Surface& surface,
                 std::function<bool(const PlanRect&)> isClear)
    : surface_(surface),
      isClear_(std::move(isClear)),
      lineHeight_(surface.textHeight("8")),
      gapX_(surface.textWidth("8")),
      gapZ_(surface.textWidth("8") / 2 * surface.verticalPerHorizontal()) {
    const auto strip = [this](const PlanRect& area) {
        strips_.push_back({area, area.left + gapX_, area.top + gapZ_});
    };
    if (!extent) {
        strip(visible);
        return;
    }
    strip({visible.left, extent->bottom, visible.right, visible.bottom});
    strip({extent->right, visible.top, visible.right, extent->bottom});
    strip({visible.left, visible.top, visible.right, extent->top});
    strip({visible.left, extent->top, extent->left, extent->bottom});
}

std::optional<PlacedLine> KeyRoom::place(const std::string& text) {
    const PlanRect size{0, 0, surface_.textWidth(text), lineHeight_};
    for (Strip& strip : strips_) {
        if (std::optional<PlacedLine> placed = placeIn(strip, size, text)) {
            return placed;
        }
    }
    return std::nullopt;
}

std::optional<PlacedLine> KeyRoom::placeIn(Strip& strip, const PlanRect& size,
                                           const std::string& text) {
    const PlanRect& area = strip.area;
    const double rowStep = lineHeight_ + gapZ_;
    // A line with no room in the strip leaves its room to the shorter lines after it.
    const Strip before = strip;
    while (strip.z + size.height() <= area.bottom - gapZ_) {
        for (int tries = 0;
             tries < kMostTriesAlongARow && strip.x + size.width() <= area.right - gapX_; ++tries) {
            const PlanRect box = size.movedBy(strip.x, strip.z);
            if (isClear_(box)) {
                strip.x = box.right + 2 * gapX_;
                return PlacedLine{text, box.left, box.top};
            }
            strip.x += gapX_;
        }
        strip.x = area.left + gapX_;
        strip.z += rowStep;
    }
    strip = before;
    return std::nullopt;
}

}  // namespace fp

// Texts held back, then placed clear of each other and of the beams.
#include "plan/label_placement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "plan/check_marks.h"

namespace fp {
namespace {

// How far a candidate lies from the designed place, in sizes of the text's own box, ring after
// ring; from kLeaderStep on a leader points back.
constexpr std::array<double, 10> kSteps = {0.55, 1.1, 1.65, 2.3, 3, 4, 5, 6.5, 8, 10};
constexpr std::size_t kLeaderStep = 3;
// The sizes a text with no room at its own is tried at; 0.65 of the plan's 8 points is the
// smallest a printed plan still reads.
constexpr std::array<double, 2> kShrinks = {0.8, 0.65};

// `font`, or the surface's own when none, drawn `shrink` of its size.
FontDescription shrunk(const std::optional<FontDescription>& font, double shrink) {
    FontDescription smaller = font.value_or(FontDescription{});
    smaller.shrink = shrink;
    return smaller;
}

struct Direction {
    double x;
    double z;
};
// Across the box's short side first: a text lying along a beam steps off it soonest that way.
constexpr std::array<Direction, 8> kAcrossFirst = {
    {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
constexpr std::array<Direction, 8> kAlongFirst = {
    {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};

// The more important parts are placed first and keep their designed places more often.
int importance(PlanPart part) {
    switch (part) {
        case PlanPart::Grid:
            return 0;
        case PlanPart::BeamSerials:
            return 1;
        case PlanPart::MemberNumbers:
            return 2;
        case PlanPart::PanelLabels:
            return 3;
        case PlanPart::Columns:
            return 4;
        case PlanPart::MemberLoads:
            return 5;
        default:
            return 6;
    }
}

PlanRect lineRect(double x1, double z1, double x2, double z2) {
    return {std::min(x1, x2), std::min(z1, z2), std::max(x1, x2), std::max(z1, z2)};
}

}  // namespace

LabelPlacement::LabelPlacement(Surface& target, const PlanRect& bounds, const PlanView& view,
                               PlacementMemory* memory, std::vector<PlanRect> signs)
    : target_(target), bounds_(bounds), memory_(memory), view_(view), signs_(std::move(signs)) {
    if (memory_ != nullptr) {
        // Taken in the surface's own font, before the drawing selects any other.
        scale_ = {bounds.left,
                  bounds.top,
                  bounds.right,
                  bounds.bottom,
                  target.textWidth("8888"),
                  target.textHeight("8"),
                  target.verticalPerHorizontal()};
        for (const PlanRect& sign : signs_) {
            scale_.insert(scale_.end(), {sign.left, sign.top, sign.right, sign.bottom});
        }
        kept_ = memory_->placementFor(view, scale_);
    }
}

void LabelPlacement::startPart(PlanPart part) {
    part_ = part;
    collectingBlock_ = false;
    target_.startPart(part);
}

void LabelPlacement::line(double x1, double z1, double x2, double z2) {
    target_.line(x1, z1, x2, z2);
    if (part_ == PlanPart::Beams && style_ == LineStyle::Normal) {
        beamLines_.push_back(lineRect(x1, z1, x2, z2));
    } else if (style_ == LineStyle::GridLine) {
        gridLines_.push_back(lineRect(x1, z1, x2, z2));
    }
}

void LabelPlacement::fillSquare(double x, double z, double halfSide) {
    target_.fillSquare(x, z, halfSide);
    const double down = halfSide * target_.verticalPerHorizontal();
    columns_.push_back({x - halfSide, z - down, x + halfSide, z + down});
}

void LabelPlacement::setLineStyle(LineStyle style) {
    style_ = style;
    target_.setLineStyle(style);
}

void LabelPlacement::selectFont(const FontDescription& font) {
    font_ = font;
    target_.selectFont(font);
}

void LabelPlacement::restoreOwnFont() {
    font_.reset();
    target_.restoreOwnFont();
}

PlanRect LabelPlacement::boxOf(std::string_view text, double x, double z) {
    const double length = target_.textWidth(text);
    const double thickness = target_.textHeight(text);
    if (!font_ || font_->angleTenths == 0) {
        return {x, z, x + length, z + thickness};
    }
    // Turned about the cell's top-left, counter-clockwise as seen, with Z growing downward; the
    // turn is worked in horizontal units so that it is a true turn on the device.
    const double verticalPerHorizontal = target_.verticalPerHorizontal();
    const double across = thickness / verticalPerHorizontal;
    const double radians = font_->angleTenths / 10.0 * std::numbers::pi / 180;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    PlanRect box{x, z, x, z};
    for (const auto& [u, v] : {std::pair{length, 0.0}, {0.0, across}, {length, across}}) {
        const double dx = u * c + v * s;
        const double dz = (-u * s + v * c) * verticalPerHorizontal;
        box = box.united({x + dx, z + dz, x + dx, z + dz});
    }
    return box;
}

bool LabelPlacement::startsGroup() const {
    return !(part_ == PlanPart::PanelLabels && collectingBlock_);
}

void LabelPlacement::drawText(std::string_view text, double x, double z) {
    const bool starts = startsGroup();
    collectingBlock_ = part_ == PlanPart::PanelLabels;
    if (kept_ != nullptr) {
        groupsDrawn_ += starts ? 1 : 0;
        // The same view draws the same groups; should it ever draw more, they keep their
        // designed places rather than borrow another's.
        drawPlaced(
            text, x, z, font_,
            groupsDrawn_ <= kept_->shifts.size() ? kept_->shifts[groupsDrawn_ - 1] : PlacedShift{});
        return;
    }
    const PlanRect box = boxOf(text, x, z);
    if (starts) {
        groups_.push_back(Group{part_, {}, box, groups_.size(), std::nullopt});
    }
    Group& group = groups_.back();
    group.texts.push_back(HeldText{std::string(text), x, z, font_, box});
    group.box = group.box.united(box);
}

void LabelPlacement::drawPlaced(std::string_view text, double x, double z,
                                const std::optional<FontDescription>& font,
                                const PlacedShift& shift) {
    if (shift.shrink != 1) {
        target_.selectFont(shrunk(font, shift.shrink));
    }
    target_.drawText(text, shift.placedX(x), shift.placedZ(z));
    if (shift.shrink != 1) {
        if (font) {
            target_.selectFont(*font);
        } else {
            target_.restoreOwnFont();
        }
    }
}

void LabelPlacement::write(const Group& group, const PlacedShift& shift) {
    target_.startPart(group.part);
    for (const HeldText& held : group.texts) {
        if (held.font) {
            target_.selectFont(*held.font);
        }
        drawPlaced(held.text, held.x, held.z, held.font, shift);
        if (held.font) {
            target_.restoreOwnFont();
        }
    }
}

Placement LabelPlacement::search() const {
    // Half a digit's width of air between a text and its neighbours both ways (texts read along
    // either axis), so that two texts never read as one.
    const double airX = target_.textWidth("8") / 2;
    const double airZ = airX * target_.verticalPerHorizontal();
    const double cell = std::max(target_.textWidth("8888"), 2 * target_.textHeight("8"));
    PlanRectIndex beams(cell);
    for (const PlanRect& line : beamLines_) {
        beams.add(line);
    }
    PlanRectIndex grid(cell);
    for (const PlanRect& line : gridLines_) {
        grid.add(line);
    }
    PlanRectIndex taken(cell);
    for (const PlanRect& column : columns_) {
        taken.add(column);
    }
    Placement placement;
    // Signs standing on no label stay where they are.
    for (const PlanRect& sign : looseSigns_) {
        taken.add(sign);
        placement.signs.push_back(sign);
    }
    const auto inside = [&](const PlanRect& box) {
        return box.left >= bounds_.left && box.right <= bounds_.right && box.top >= bounds_.top &&
               box.bottom <= bounds_.bottom;
    };
    const auto free = [&](const PlanRect& box, bool clearOfGrid) {
        const PlanRect aired{box.left - airX, box.top - airZ, box.right + airX, box.bottom + airZ};
        return !taken.meetsAny(aired) && !beams.meetsAny(aired) &&
               !(clearOfGrid && grid.meetsAny(aired));
    };
    // A candidate: the step it lies at and its shift.
    struct Found {
        std::size_t step;
        double dx;
        double dz;
    };
    // The first free candidate inside the plan's frame; failing that the first free one beyond
    // it; nothing when none is free, and the text keeps its designed place.
    const auto firstFree = [&](const PlanRect& designed, bool clearOfGrid) -> std::optional<Found> {
        std::optional<Found> beyond;
        const auto consider = [&](const Found& candidate) {
            const PlanRect box = designed.movedBy(candidate.dx, candidate.dz);
            const bool within = inside(box);
            if ((!within && beyond) || !free(box, clearOfGrid)) {
                return false;
            }
            if (!within) {
                beyond = candidate;
            }
            return within;
        };
        if (consider({0, 0, 0})) {
            return Found{0, 0, 0};
        }
        const auto& directions = designed.width() <= designed.height() ? kAlongFirst : kAcrossFirst;
        for (std::size_t step = 0; step < kSteps.size(); ++step) {
            for (const Direction& direction : directions) {
                const Found candidate{step, direction.x * kSteps[step] * designed.width(),
                                      direction.z * kSteps[step] * designed.height()};
                if (consider(candidate)) {
                    return candidate;
                }
            }
        }
        return beyond;
    };
    // Groups are searched for in order of importance; their shifts are kept in the order the
    // drawing wrote them, which is the order they come in again.
    placement.shifts.resize(groups_.size());
    for (const Group& group : groups_) {
        const PlanRect& designed = group.box;
        // A panel's label read across a dash-dotted grid line is hard to read: it steps off the
        // line when a place close by is free, and stays on it rather than go far.
        std::optional<Found> found;
        if (group.part == PlanPart::PanelLabels) {
            found = firstFree(designed, true);
        }
        if (!found || found->step >= kLeaderStep) {
            found = firstFree(designed, false);
        }
        PlanRect sized = designed;
        PlacedShift shift{0, 0, 1, designed.left, designed.top};
        // No room at its own size: smaller, down to a floor, rather than on top of another.
        for (std::size_t i = 0; !found && i < kShrinks.size(); ++i) {
            sized = {designed.left, designed.top, designed.left + designed.width() * kShrinks[i],
                     designed.top + designed.height() * kShrinks[i]};
            found = firstFree(sized, false);
            shift.shrink = kShrinks[i];
        }
        if (found) {
            shift.dx = found->dx;
            shift.dz = found->dz;
        } else {
            // Not even at the floor: at its designed place and size, as drawn.
            sized = designed;
            shift.shrink = 1;
        }
        const PlanRect box = sized.movedBy(shift.dx, shift.dz);
        taken.add(box);
        placement.shifts[group.written] = shift;
        if (group.sign) {
            placement.signs.push_back(
                {shift.placedX(group.sign->left), shift.placedZ(group.sign->top),
                 shift.placedX(group.sign->right), shift.placedZ(group.sign->bottom)});
        }
        if (found && found->step >= kLeaderStep) {
            // From the side of the text nearest the designed place back to its middle.
            const double middleX = (designed.left + designed.right) / 2;
            const double middleZ = (designed.top + designed.bottom) / 2;
            placement.leaders.push_back({std::clamp(middleX, box.left, box.right),
                                         std::clamp(middleZ, box.top, box.bottom), middleX,
                                         middleZ});
        }
    }
    return placement;
}

void LabelPlacement::drawLeadersAndSigns(const Placement& placement) {
    target_.setLineStyle(LineStyle::Thin);
    for (const Leader& leader : placement.leaders) {
        target_.line(leader.x1, leader.z1, leader.x2, leader.z2);
    }
    target_.setLineStyle(style_);
    target_.startPart(PlanPart::PanelLabels);
    for (const PlanRect& sign : placement.signs) {
        drawWarningSign(target_, sign);
    }
}

void LabelPlacement::attachSigns() {
    for (const PlanRect& sign : signs_) {
        // A sign stands on the top of its label, centred over it.
        const double middle = (sign.left + sign.right) / 2;
        const auto standsOn = [&](const Group& group) {
            return group.part == PlanPart::PanelLabels && !group.sign && middle > group.box.left &&
                   middle < group.box.right && group.box.top >= sign.bottom &&
                   group.box.top - sign.bottom < sign.height();
        };
        const auto label = std::find_if(groups_.begin(), groups_.end(), standsOn);
        if (label == groups_.end()) {
            looseSigns_.push_back(sign);
        } else {
            label->sign = sign;
            label->box = label->box.united(sign);
        }
    }
}

void LabelPlacement::place() {
    if (kept_ != nullptr) {
        drawLeadersAndSigns(*kept_);
        return;
    }
    attachSigns();
    std::stable_sort(groups_.begin(), groups_.end(), [](const Group& a, const Group& b) {
        return importance(a.part) < importance(b.part);
    });
    Placement placement = search();
    for (const Group& group : groups_) {
        write(group, placement.shifts[group.written]);
    }
    drawLeadersAndSigns(placement);
    if (memory_ != nullptr) {
        memory_->keep(view_, scale_, std::move(placement));
    }
    groups_.clear();
}

}  // namespace fp

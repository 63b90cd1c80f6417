// Labels placed feature by feature, then the callouts numbered and their key written.
#include "plan/label_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "plan/key_room.h"
#include "plan/label_candidates.h"

namespace fp {
namespace {

// The sizes a label is tried at: its own, then smaller down to the smallest that still reads.
constexpr std::array<double, 3> kSizes = {1, 0.8, kSmallestLabelShare};
// What a box may overlap another by and still count as clear, in plan units: the last bits of
// sums that put a text exactly its air away from a line.
constexpr double kSlack = 1e-6;

// The more important parts are placed first and keep their designed places more often.
int importance(PlanPart part) {
    switch (part) {
        case PlanPart::Grid:
            return 0;
        case PlanPart::BeamSerials:
            return 1;
        case PlanPart::MemberNumbers:
        // A column's load has only the room round its column; a panel's label can move about
        // its panel, and so goes after it.
        case PlanPart::ColumnLoads:
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

bool within(const PlanRect& box, const PlanRect& area) {
    return box.left >= area.left - kSlack && box.right <= area.right + kSlack &&
           box.top >= area.top - kSlack && box.bottom <= area.bottom + kSlack;
}

PlanRect aired(const PlanRect& box, const Air& air) {
    return {box.left - air.x + kSlack, box.top - air.z + kSlack, box.right + air.x - kSlack,
            box.bottom + air.z - kSlack};
}

// `box` drawn `shrink` of its size about its top-left.
PlanRect scaled(const PlanRect& box, double shrink) {
    return {box.left, box.top, box.left + box.width() * shrink, box.top + box.height() * shrink};
}

class Search {
  public:
    Search(const PlanLabels& labels, Surface& surface, const PlacementArea& area)
        : labels_(labels),
          surface_(surface),
          area_(area),
          digit_(surface.textWidth("8")),
          lineHeight_(surface.textHeight("8")),
          verticalPerHorizontal_(surface.verticalPerHorizontal()),
          texts_(cell(), area.visible),
          lines_(cell(), area.visible),
          grid_(cell(), area.visible),
          keep_(cell(), area.visible),
          bays_(cell(), area.visible) {
        for (const Obstacle& obstacle : labels.obstacles()) {
            switch (obstacle.kind) {
                case ObstacleKind::Line:
                    lines_.add(obstacle.area);
                    break;
                case ObstacleKind::GridLine:
                    grid_.add(obstacle.area);
                    break;
                case ObstacleKind::Keep:
                    keep_.add(obstacle.area);
                    break;
                case ObstacleKind::Bay:
                    bays_.add(obstacle.area);
                    break;
            }
            if (obstacle.kind != ObstacleKind::Keep) {
                extend(obstacle.area);
            }
        }
    }

    LabelLayout run() {
        const std::vector<PlanLabel>& labels = labels_.labels();
        std::vector<std::size_t> order(labels.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return importance(labels[a].part) < importance(labels[b].part);
        });
        LabelLayout layout;
        layout.places.resize(labels.size());
        for (const std::size_t index : order) {
            const PlanLabel& label = labels[index];
            layout.places[index] = placeOne(label);
            if (!layout.places[index].form && counts(label)) {
                ++layout.notShown;
            }
        }
        numberCallouts(layout);
        writeKey(layout);
        return layout;
    }

  private:
    double cell() const { return std::max(4 * digit_, 2 * lineHeight_); }

    void extend(const PlanRect& box) { extent_ = extent_ ? extent_->united(box) : box; }

    // The air a form keeps: a digit's width along its lines, so that two numbers never read as
    // one, and half of it across them.
    Air airOf(const LabelForm& form) const {
        const bool upright = !form.texts.empty() && form.texts.front().font &&
                             form.texts.front().font->angleTenths != 0;
        return upright ? Air{digit_ / 2, digit_ * verticalPerHorizontal_}
                       : Air{digit_, digit_ / 2 * verticalPerHorizontal_};
    }

    // Whether a label left out is one the plan fails to show: a label whose home is on show and
    // not under a part kept clear. One whose feature lies partly outside the part on show is
    // left out of view, not for want of room.
    bool counts(const PlanLabel& label) const {
        return within(label.home, area_.visible) && !keep_.meetsAny(label.home);
    }

    bool fits(const PlanLabel& label, const PlanRect& box, const Air& air,
              bool clearOfGridLines) const {
        if (!within(box, area_.visible)) {
            return false;
        }
        const PlanRect room = aired(box, air);
        if (texts_.meetsAny(room) || keep_.meetsAny(room)) {
            return false;
        }
        // A grid name stands in its bubble, on the bubble's own circle.
        if (label.rule != CandidateRule::Fixed && lines_.meetsAny(room)) {
            return false;
        }
        return !(clearOfGridLines && grid_.meetsAny(room));
    }

    LabelPlace placeOne(const PlanLabel& label) {
        for (std::size_t f = 0; f < label.forms.size(); ++f) {
            const LabelForm& form = label.forms[f];
            const Air air = airOf(form);
            for (const double size : kSizes) {
                const PlanRect box = scaled(form.box, size);
                const std::vector<Shift> shifts = candidateShifts(label, box, air);
                for (const bool clearOfGridLines : {label.avoidsGridLines, false}) {
                    for (const Shift& shift : shifts) {
                        const PlanRect placed = box.movedBy(shift.dx, shift.dz);
                        if (fits(label, placed, air, clearOfGridLines)) {
                            texts_.add(placed);
                            extend(placed);
                            return LabelPlace{
                                f, shift.dx, shift.dz, size, form.box.left, form.box.top, 0};
                        }
                    }
                    if (!label.avoidsGridLines) {
                        break;
                    }
                }
            }
        }
        return {};
    }

    // In reading order: by rows of the plan, top to bottom, then left to right.
    void numberCallouts(LabelLayout& layout) const {
        const std::vector<PlanLabel>& labels = labels_.labels();
        std::vector<std::size_t> callouts;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const LabelPlace& place = layout.places[i];
            if (place.form && !labels[i].forms[*place.form].keyText.empty()) {
                callouts.push_back(i);
            }
        }
        const auto topLeft = [&](std::size_t i) {
            const LabelPlace& place = layout.places[i];
            const PlanRect& box = labels[i].forms[*place.form].box;
            return std::pair{std::floor(place.placedZ(box.top) / lineHeight_),
                             place.placedX(box.left)};
        };
        std::stable_sort(callouts.begin(), callouts.end(),
                         [&](std::size_t a, std::size_t b) { return topLeft(a) < topLeft(b); });
        for (std::size_t n = 0; n < callouts.size(); ++n) {
            LabelPlace& place = layout.places[callouts[n]];
            place.callout = static_cast<int>(n + 1);
            layout.keyLines.push_back("[" + std::to_string(n + 1) + "] " +
                                      labels[callouts[n]].forms[*place.form].keyText);
        }
    }

    // The key lines, and the note when the plan leaves texts out, in room outside the bays.
    void writeKey(LabelLayout& layout) const {
        if (layout.keyLines.empty() && layout.notShown == 0) {
            return;
        }
        const int labelsLeftOut = layout.notShown;
        // First without a note; a note is written only when something is left out, ahead of the
        // key where it is seen, and no legend beside the plan says so.
        LabelLayout keyed = keyedWith(layout, std::nullopt);
        const int leftOut =
            labelsLeftOut + (area_.legendTakesKey ? 0
                                                  : static_cast<int>(layout.keyLines.size() -
                                                                     keyed.keyPlaced.size()));
        if (leftOut > 0 && !area_.legendTakesKey) {
            keyed = keyedWith(layout, notShownNote(leftOut));
        }
        layout.keyPlaced = std::move(keyed.keyPlaced);
        layout.note = std::move(keyed.note);
        if (!area_.legendTakesKey) {
            layout.notShown += static_cast<int>(layout.keyLines.size() - layout.keyPlaced.size());
        }
        if (layout.note) {
            layout.note->text = notShownNote(layout.notShown);
        }
    }

    // The key lines placed one after the other, after the note when there is one, as far as
    // they find room; the texts placed so far are left as they are.
    LabelLayout keyedWith(const LabelLayout& layout, const std::optional<std::string>& note) const {
        PlanRectIndex texts = texts_;
        const Air air{digit_, digit_ / 2 * verticalPerHorizontal_};
        const auto isClear = [&](const PlanRect& box) {
            const PlanRect room = aired(box, air);
            return within(box, area_.visible) && !texts.meetsAny(room) && !lines_.meetsAny(room) &&
                   !grid_.meetsAny(room) && !keep_.meetsAny(room) && !bays_.meetsAny(room);
        };
        KeyRoom room(area_.visible, extent_, surface_, isClear);
        const auto placeLine = [&](const std::string& text) {
            std::optional<PlacedLine> placed = room.place(text);
            if (placed) {
                texts.add({placed->x, placed->z, placed->x + surface_.textWidth(text),
                           placed->z + lineHeight_});
            }
            return placed;
        };
        LabelLayout keyed;
        if (note) {
            keyed.note = placeLine(*note);
        }
        for (const std::string& line : layout.keyLines) {
            std::optional<PlacedLine> placed = placeLine(line);
            if (!placed) {
                break;
            }
            keyed.keyPlaced.push_back(std::move(*placed));
        }
        return keyed;
    }

    const PlanLabels& labels_;
    Surface& surface_;
    PlacementArea area_;
    double digit_;
    double lineHeight_;
    double verticalPerHorizontal_;
    PlanRectIndex texts_;
    PlanRectIndex lines_;
    PlanRectIndex grid_;
    PlanRectIndex keep_;
    PlanRectIndex bays_;
    // What the drawing and the texts placed cover.
    std::optional<PlanRect> extent_;
};

}  // namespace

std::string notShownNote(int count) {
    return std::to_string(count) + (count == 1 ? " text" : " texts") +
           " not shown: a larger sheet or more zoom shows them";
}

LabelLayout placeLabels(const PlanLabels& labels, Surface& surface, const PlacementArea& area) {
    return Search(labels, surface, area).run();
}

LabelLayout designedLayout(const PlanLabels& labels) {
    LabelLayout layout;
    for (const PlanLabel& label : labels.labels()) {
        LabelPlace place;
        if (!label.forms.empty()) {
            place.form = 0;
        }
        layout.places.push_back(place);
    }
    return layout;
}

}  // namespace fp

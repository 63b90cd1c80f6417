// Draws the beams of one level and records where each one can be picked.
#include "plan/beam_plan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/rounding.h"
#include "plan/font_description.h"
#include "plan/label_form_writer.h"
#include "plan/label_search.h"
#include "plan/member_load_label.h"
#include "plan/text_placement.h"

namespace fp {
namespace {

constexpr float kRotatedUpward = 900;
// A column of rotated labels is about this many digits of the own font wide.
constexpr float kRotatedColumnDigits = 2.5f;
// Half the width of a +Z beam's pick box, and its inset from each end, in plan units.
constexpr float kZBoxHalfWidth = 50;
// How far across its beam a text may go, in its own thicknesses: the serial and the member number
// beside the line and a row farther, the member loads a row beyond them.
constexpr double kNumbersReach = 3;
constexpr double kLoadsReach = 4;

// The text measures every label position is derived from, in plan units.
struct TextMeasures {
    int16_t digitWidth;      // w: width of "8"
    int16_t halfLineHeight;  // h: half the height of "8"
};

TextMeasures measure(Surface& surface) {
    return {roundToInt16(surface.textWidth("8"), "width of a digit on the plan"),
            roundToInt16(surface.textHeight("8") / 2, "height of a digit on the plan")};
}

// The line a beam is drawn along, at its printed length.
PlanRect drawnLine(const LevelBeam& beam) {
    const float length = beam.drawnLength();
    return beam.direction == BeamDirection::PlusX
               ? PlanRect{beam.x, beam.z, beam.x + length, beam.z}
               : PlanRect{beam.x, beam.z, beam.x, beam.z + length};
}

class LevelDrawing {
  public:
    LevelDrawing(const ListingDocument& document, const PlanView& view, Surface& surface,
                 PlanLabels& labels)
        : document_(document),
          view_(view),
          surface_(surface),
          labels_(labels),
          writer_(surface),
          measures_(measure(surface)) {}

    PickBoxes draw() {
        const LevelModel& level = document_.level(view_.level);
        if (level.beamsError) {
            throw *level.beamsError;
        }
        for (const LevelBeam& beam : level.beams) {
            beamLines_.push_back(drawnLine(beam));
        }
        for (const LevelBeam& beam : level.beams) {
            if (beam.direction == BeamDirection::PlusX) {
                drawXBeam(beam);
            } else {
                drawZBeam(beam);
            }
        }
        return std::move(boxes_);
    }

  private:
    static std::string memberLabel(const LevelBeam& beam) {
        return "B: " + std::to_string(beam.member);
    }

    // The serial number the beam being drawn gets.
    std::string nextSerial() const { return std::to_string(boxes_.size() + 1); }
    bool besideSerials() const { return view_.showsMemberNumbers() && view_.memberNumbersBeside; }

    float w() const { return measures_.digitWidth; }
    float h() const { return measures_.halfLineHeight; }

    void drawXBeam(const LevelBeam& beam) {
        const float x1 = beam.x;
        const float z1 = beam.z;
        const float length = beam.drawnLength();
        const float anchorX = x1 + length / 2;
        const float anchorZ = z1 - h();
        const PlanRect line{x1, z1, x1 + length, z1};
        if (besideSerials()) {
            // One digit's width to the right of the serial number.
            const float serialHalfWidth = static_cast<float>(surface_.textWidth(nextSerial())) / 2;
            writeAligned(writer_, memberLabel(beam), anchorX + serialHalfWidth + w(), anchorZ,
                         Alignment::Left);
            addLabel(PlanPart::MemberNumbers, line, kNumbersReach);
        } else if (view_.showsMemberNumbers()) {
            writeAligned(writer_, memberLabel(beam), anchorX, anchorZ, Alignment::Centre);
            addLabel(PlanPart::MemberNumbers, line, kNumbersReach);
        }
        surface_.startPart(PlanPart::Beams);
        surface_.line(x1, z1, x1 + length, z1);
        surface_.circle(x1, z1, h() / 10);
        labels_.addObstacle(line, ObstacleKind::Line);
        const int serial = addBox({x1 + w(), z1 - h(), x1 + length - w(), z1 + h()});
        writeAligned(writer_, std::to_string(serial), anchorX, anchorZ, Alignment::Centre);
        addLabel(PlanPart::BeamSerials, line, kNumbersReach);
        const std::string loads = loadLabel(beam);
        if (!loads.empty()) {
            // Under the line, clear of the serial.
            writeAligned(writer_, loads, anchorX, z1 + h(), Alignment::Centre);
            addLabel(PlanPart::MemberLoads, line, kLoadsReach);
        }
    }

    void drawZBeam(const LevelBeam& beam) {
        const float x1 = beam.x;
        const float z1 = beam.z;
        const float length = beam.drawnLength();
        const float anchorX = x1 - w();
        const float anchorZ = z1 + length / 2;
        const PlanRect line{x1, z1, x1, z1 + length};
        if (besideSerials()) {
            // A digit's width to the right of the serial number, starting where it starts.
            const std::string label = memberLabel(beam);
            const float lift = 2 * (rotatedTextWidth(surface_, label, kRotatedUpward) -
                                    rotatedTextWidth(surface_, nextSerial(), kRotatedUpward));
            writeRotated(writer_, label, x1 + w(), anchorZ - lift, kRotatedUpward);
            addLabel(PlanPart::MemberNumbers, line, kNumbersReach);
        } else if (view_.showsMemberNumbers()) {
            writeRotated(writer_, memberLabel(beam), anchorX, anchorZ, kRotatedUpward);
            addLabel(PlanPart::MemberNumbers, line, kNumbersReach);
        }
        surface_.startPart(PlanPart::Beams);
        surface_.line(x1, z1, x1, z1 + length);
        surface_.circle(x1, z1, h() / 10);
        labels_.addObstacle(line, ObstacleKind::Line);
        const int serial = addBox({x1 - kZBoxHalfWidth, z1 + kZBoxHalfWidth, x1 + kZBoxHalfWidth,
                                   z1 + length - kZBoxHalfWidth});
        writeRotated(writer_, std::to_string(serial), anchorX, anchorZ, kRotatedUpward);
        addLabel(PlanPart::BeamSerials, line, kNumbersReach);
        const std::string loads = loadLabel(beam);
        if (!loads.empty()) {
            // Right of the line, centred on the beam's middle: writeRotated starts the text two
            // of its widths below the point it is given.
            const float width = rotatedTextWidth(surface_, loads, kRotatedUpward);
            // Beside the member number, where that is beside the serial.
            const float column = x1 + w() + (besideSerials() ? kRotatedColumnDigits * w() : 0);
            writeRotated(writer_, loads, column, anchorZ - 1.5f * width, kRotatedUpward);
            addLabel(PlanPart::MemberLoads, line, kLoadsReach);
        }
    }

    // Registers the text just written as a label of the beam along `line`, to stand beside it
    // within `reach` of its own thicknesses across it.
    void addLabel(PlanPart part, const PlanRect& line, double reach) {
        PlanLabel label;
        label.part = part;
        label.rule = CandidateRule::BesideLine;
        label.feature = line;
        label.forms.push_back(writer_.take());
        const PlanRect& box = label.forms.front().box;
        // A text of the beam `gap` from the next beam beside it stays nearer to its own: its far
        // edge, its thickness t out, no farther than (gap + t) / 2 from its line, for t as thin
        // as it may shrink.
        const double gap = gapBeside(line);
        if (line.width() >= line.height()) {
            const double across =
                std::min(reach * box.height(), (gap + kSmallestLabelShare * box.height()) / 2);
            label.home = {line.left - box.width() / 2, line.top - across,
                          line.right + box.width() / 2, line.bottom + across};
        } else {
            const double across =
                std::min(reach * box.width(), (gap + kSmallestLabelShare * box.width()) / 2);
            label.home = {line.left - across, line.top - box.height() / 2, line.right + across,
                          line.bottom + box.height() / 2};
        }
        labels_.add(std::move(label));
    }

    // The clear distance from `line` to the nearest beam parallel to it and beside it, running
    // along part of its length; unbounded where there is none.
    double gapBeside(const PlanRect& line) const {
        const bool alongX = line.width() >= line.height();
        double gap = std::numeric_limits<double>::infinity();
        for (const PlanRect& other : beamLines_) {
            if ((other.width() >= other.height()) != alongX) {
                continue;
            }
            const bool beside = alongX ? other.left < line.right && other.right > line.left
                                       : other.top < line.bottom && other.bottom > line.top;
            const double apart =
                alongX ? std::abs(other.top - line.top) : std::abs(other.left - line.left);
            if (beside && apart > 0) {
                gap = std::min(gap, apart);
            }
        }
        return gap;
    }

    std::string loadLabel(const LevelBeam& beam) const {
        if (!view_.showsMemberLoadsOnBeams()) {
            return {};
        }
        return memberLoadLabel(document_.memberLoadsOn(beam.member), view_);
    }

    int addBox(const PickBox& box) {
        boxes_.push_back(box);
        return static_cast<int>(boxes_.size());
    }

    const ListingDocument& document_;
    const PlanView& view_;
    Surface& surface_;
    PlanLabels& labels_;
    LabelFormWriter writer_;
    TextMeasures measures_;
    PickBoxes boxes_;
    // Every beam's line, to keep each beam's texts nearer to it than to the next.
    std::vector<PlanRect> beamLines_;
};

}  // namespace

PickBoxes drawBeams(const ListingDocument& document, const PlanView& view, Surface& surface,
                    PlanLabels& labels) {
    return LevelDrawing(document, view, surface, labels).draw();
}

}  // namespace fp

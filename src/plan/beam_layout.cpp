// Draws the beams of one level and records where each one can be picked.
#include "plan/beam_layout.h"

#include <string>

#include "model/checked_convert.h"
#include "model/number_text.h"
#include "model/run_error.h"
#include "plan/level_beams.h"
#include "plan/text_placement.h"

namespace fp {

namespace {

constexpr float kRotatedUpward = 900;
// Half the width of a +Z beam's pick box, and its inset from each end, in plan units.
constexpr float kZBoxHalfWidth = 50;

// The text measures every label position is derived from, in plan units.
struct TextMeasures {
    int16_t digitWidth;      // w: width of "8"
    int16_t halfLineHeight;  // h: half the height of "8"
};

TextMeasures measure(Surface& surface) {
    return {toInt16(surface.TextWidth("8"), "width of a digit on the plan"),
            toInt16(surface.TextHeight("8") / 2, "height of a digit on the plan")};
}

class LevelDrawing {
  public:
    LevelDrawing(const ModelStore& model, Surface& surface, const ViewState& view, int16_t level,
                 BeamBoxes& boxes)
        : model_(model),
          surface_(surface),
          view_(view),
          level_(level),
          boxes_(boxes),
          measures_(measure(surface)) {}

    void draw() {
        for (const LevelBeam& beam : beamsOfLevel(model_, level_)) {
            if (beam.direction == BeamDirection::PlusX) {
                drawXBeam(beam);
            } else {
                drawZBeam(beam);
            }
        }
    }

  private:
    static float lengthOf(const LevelBeam& beam) {
        // Millimetres as printed, to hundredths of a metre.
        return static_cast<float>(beam.lengthMm) / 10;
    }

    bool showsMemberNumbers() const { return view_.memberLoadMode && view_.beamNumbers == kTicked; }

    static std::string memberLabel(const LevelBeam& beam) {
        return "B: " + std::to_string(beam.member);
    }

    float w() const { return measures_.digitWidth; }
    float h() const { return measures_.halfLineHeight; }

    void drawXBeam(const LevelBeam& beam) {
        const float x1 = beam.x;
        const float z1 = beam.z;
        const float length = lengthOf(beam);
        const float anchorX = x1 + length / 2;
        const float anchorZ = z1 - h();
        if (showsMemberNumbers()) {
            PrintAligned(surface_, memberLabel(beam), anchorX, anchorZ, kAlignCentre);
        }
        surface_.line(x1, z1, x1 + length, z1);
        surface_.circle(x1, z1, h() / 10);
        const int serial = addBox({x1 + w(), z1 - h(), x1 + length - w(), z1 + h()});
        PrintAligned(surface_, std::to_string(serial), anchorX, anchorZ, kAlignCentre);
    }

    void drawZBeam(const LevelBeam& beam) {
        const float x1 = beam.x;
        const float z1 = beam.z;
        const float length = lengthOf(beam);
        const float anchorX = x1 - w();
        const float anchorZ = z1 + length / 2;
        if (showsMemberNumbers()) {
            PrintRotated(surface_, memberLabel(beam), anchorX, anchorZ, kRotatedUpward);
        }
        surface_.line(x1, z1, x1, z1 + length);
        surface_.circle(x1, z1, h() / 10);
        const int serial = addBox({x1 - kZBoxHalfWidth, z1 + kZBoxHalfWidth, x1 + kZBoxHalfWidth,
                                   z1 + length - kZBoxHalfWidth});
        PrintRotated(surface_, std::to_string(serial), anchorX, anchorZ, kRotatedUpward);
    }

    int addBox(const BeamBox& box) {
        if (boxes_.BeamBoxCount >= BeamBoxes::kMaxBoxes) {
            throw RunEndingError("Level " + std::to_string(level_) + " (at " +
                                     valueText(model_.GridY[level_] / 100) + " m) has more than " +
                                     std::to_string(BeamBoxes::kMaxBoxes) + " beams to draw",
                                 "The plan shows at most " + std::to_string(BeamBoxes::kMaxBoxes) +
                                     " beams on one level.");
        }
        ++boxes_.BeamBoxCount;
        boxes_.Box[static_cast<std::size_t>(boxes_.BeamBoxCount)] = box;
        return boxes_.BeamBoxCount;
    }

    const ModelStore& model_;
    Surface& surface_;
    const ViewState& view_;
    int16_t level_;
    BeamBoxes& boxes_;
    TextMeasures measures_;
};

}  // namespace

void drawBeeLayout(const ModelStore& model, Surface& surface, const ViewState& view, int16_t level,
                   BeamBoxes& boxes) {
    surface.clear();
    boxes.BeamBoxCount = 0;
    LevelDrawing(model, surface, view, level, boxes).draw();
}

}  // namespace fp

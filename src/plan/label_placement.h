// The one placement step every text of a plan goes through, so that no text lies on another or
// across a beam line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plan/placement_memory.h"
#include "plan/plan_rect.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// A surface in front of the one drawn on. Lines, circles and squares go straight through; beam
// lines and column squares are noted as places no text may cover. Texts are held back until
// place(), which writes them in order of importance (grid names, beam serials, member numbers,
// panel labels, column numbers, member loads), each at the first of its candidate places that
// covers no text written before it and crosses no beam line; a panel's label also steps off a
// grid line where it can do so close by. The first candidate is where the drawing put it; the
// others lie around it, ever farther; one far from where it was designed gets a short leader
// pointing back. A text with no free candidate at all is tried smaller, down to a floor; only
// one with none even then keeps its designed place. The lines of one panel's label move as one
// block. Texts keep a little air around them, and stay within `bounds` (the plan's frame) where
// they can. With a memory that holds the places found for `view` at the target's present scale,
// each text goes straight to its place as it is drawn, without being held or searched for.
class LabelPlacement : public Surface {
  public:
    // `signs`: the warning signs of checks, each standing just above a panel's label. A sign
    // moves with the label it stands on; one on no label stays where it is, and no text covers
    // it. The placement draws them. `view` is held by reference, for the memory.
    LabelPlacement(Surface& target, const PlanRect& bounds, const PlanView& view,
                   PlacementMemory* memory = nullptr, std::vector<PlanRect> signs = {});

    void startPart(PlanPart part) override;
    void clear() override { target_.clear(); }
    void setScale(double left, double top, double right, double bottom) override {
        target_.setScale(left, top, right, bottom);
    }
    void line(double x1, double z1, double x2, double z2) override;
    void circle(double x, double z, double radius) override { target_.circle(x, z, radius); }
    void fillSquare(double x, double z, double halfSide) override;
    void setLineStyle(LineStyle style) override;
    void setStroke(const Stroke& stroke) override { target_.setStroke(stroke); }
    void restorePlanStroke() override { target_.restorePlanStroke(); }
    double verticalPerHorizontal() override { return target_.verticalPerHorizontal(); }
    double textWidth(std::string_view text) override { return target_.textWidth(text); }
    double textHeight(std::string_view text) override { return target_.textHeight(text); }
    void drawText(std::string_view text, double x, double z) override;
    void selectFont(const FontDescription& font) override;
    void restoreOwnFont() override;

    // Places and writes every text held, and forgets them; with a placement kept, only draws
    // its leaders.
    void place();

  private:
    struct HeldText {
        std::string text;
        double x = 0;
        double z = 0;
        std::optional<FontDescription> font;
        PlanRect box;
    };
    // Texts that move together: one text, or the lines of one panel's label.
    struct Group {
        PlanPart part = PlanPart::Beams;
        std::vector<HeldText> texts;
        PlanRect box;
        // Its place among the groups as the drawing wrote them.
        std::size_t written = 0;
        // The warning sign standing on it, a part of `box`.
        std::optional<PlanRect> sign;
    };

    PlanRect boxOf(std::string_view text, double x, double z);
    // Draws one text at its place, drawn smaller where the shift says; `font`, or the surface's
    // own when none, is the one in force before and after.
    void drawPlaced(std::string_view text, double x, double z,
                    const std::optional<FontDescription>& font, const PlacedShift& shift);
    void write(const Group& group, const PlacedShift& shift);
    // Whether the text drawn now starts a group of its own rather than joining a panel's label.
    bool startsGroup() const;
    // Each group's shift (the first free candidate, clear of those placed before it in order of
    // importance) and the leaders of those placed far.
    Placement search() const;
    // Each sign goes with the panel's label it stands on.
    void attachSigns();
    void drawLeadersAndSigns(const Placement& placement);

    Surface& target_;
    PlanRect bounds_;
    PlacementMemory* memory_;
    const PlanView& view_;
    // The target's scale and text sizes, for the memory to match.
    std::vector<double> scale_;
    // The places kept for this drawing; its texts then go straight through.
    const Placement* kept_ = nullptr;
    std::size_t groupsDrawn_ = 0;
    PlanPart part_ = PlanPart::Beams;
    LineStyle style_ = LineStyle::Normal;
    std::optional<FontDescription> font_;
    // A panel's label collects its lines until the next part starts.
    bool collectingBlock_ = false;
    std::vector<Group> groups_;
    std::vector<PlanRect> beamLines_;
    std::vector<PlanRect> gridLines_;
    std::vector<PlanRect> columns_;
    std::vector<PlanRect> signs_;
    std::vector<PlanRect> looseSigns_;
};

}  // namespace fp

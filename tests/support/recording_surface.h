// A surface for tests: fixed, known text metrics, and a record of every call made on it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plan/surface.h"

namespace fp::test {

// Text metrics, in plan units:
// - in the surface's own font every character is 10 wide and a line is 20 high;
// - while a created (rotated) font is selected every character is 12 wide and a line 24 high,
//   so a test can tell which font a measure was taken in.
// A font selected with a shrink other than 1 measures that share of the size: the own font's, when
// it gives neither size nor angle.
// setOwnMetrics changes the own font's measures, for tests that need the width and height to differ
// or to be fractional.
class RecordingSurface : public Surface {
  public:
    static constexpr double kOwnCharWidth = 10;
    static constexpr double kOwnLineHeight = 20;
    static constexpr double kSelectedCharWidth = 12;
    static constexpr double kSelectedLineHeight = 24;

    enum class Kind { Clear, SetScale, Line, Circle, Square, Text, SelectFont, RestoreOwnFont };

    // One call. Line: (x1, z1)-(x2, z2). Circle: centre (x1, z1), radius in x2. SetScale: left,
    // top, right, bottom in x1, z1, x2, z2. Text: its cell's top-left in (x1, z1), the text, and
    // the selected font if any. SelectFont: the font. Square: centre (x1, z1), half side in x2.
    // Every call carries the part and line style in force.
    struct Call {
        Kind kind = Kind::Clear;
        double x1 = 0;
        double z1 = 0;
        double x2 = 0;
        double z2 = 0;
        std::string text;
        std::optional<FontDescription> font;
        // The stroke in force, where one was set over the plan's own.
        std::optional<Stroke> stroke;
        PlanPart part = PlanPart::Beams;
        LineStyle style = LineStyle::Normal;
    };

    void startPart(PlanPart part) override { part_ = part; }
    void setLineStyle(LineStyle style) override { style_ = style; }
    void clear() override;
    void setScale(double left, double top, double right, double bottom) override;
    void line(double x1, double z1, double x2, double z2) override;
    void circle(double x, double z, double radius) override;
    void fillSquare(double x, double z, double halfSide) override;
    double textWidth(std::string_view text) override;
    double textHeight(std::string_view text) override;
    void drawText(std::string_view text, double x, double z) override;
    void selectFont(const FontDescription& font) override;
    void restoreOwnFont() override;
    void setStroke(const Stroke& stroke) override { stroke_ = stroke; }
    void restorePlanStroke() override { stroke_.reset(); }

    void setOwnMetrics(double charWidth, double lineHeight) {
        ownCharWidth_ = charWidth;
        ownLineHeight_ = lineHeight;
    }

    const std::vector<Call>& calls() const { return calls_; }
    // The calls of one kind, in order.
    std::vector<Call> callsOf(Kind kind) const;
    std::vector<Call> texts() const { return callsOf(Kind::Text); }
    std::vector<Call> lines() const { return callsOf(Kind::Line); }
    std::vector<Call> circles() const { return callsOf(Kind::Circle); }
    void forget() { calls_.clear(); }

    // The font selected at the moment, if not the surface's own.
    const std::optional<FontDescription>& selectedFont() const { return selected_; }

  private:
    // Whether the font in force measures as the own one: none selected, or one selected only to
    // draw the own font smaller.
    bool ownsItsSize() const;
    double shrink() const;
    void record(Kind kind, double x1 = 0, double z1 = 0, double x2 = 0, double z2 = 0);

    double ownCharWidth_ = kOwnCharWidth;
    double ownLineHeight_ = kOwnLineHeight;
    std::optional<FontDescription> selected_;
    std::optional<Stroke> stroke_;
    PlanPart part_ = PlanPart::Beams;
    LineStyle style_ = LineStyle::Normal;
    std::vector<Call> calls_;
};

}  // namespace fp::test

// The drawing surface over a QPainter: the window's image, PNG, SVG, PDF and the printer all
// draw through it.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <functional>
#include <optional>
#include <string_view>

#include "plan/plan_transform.h"
#include "plan/surface.h"
#include "render/label_text_cache.h"

namespace fp {

// Draws in plan units on the area `deviceArea` (device pixels) of the painter's device. The
// surface's own font is a small sans at the device's resolution; rotated fonts are realised
// from their description at the device's resolution, with Liberation Sans standing in for Arial.
// Text keeps its size in points whatever the two plan scales, and circles stay round.
class QtSurface : public Surface {
  public:
    QtSurface(QPainter& painter, const QRectF& deviceArea);

    void clear() override;
    void setScale(double left, double top, double right, double bottom) override;
    void line(double x1, double z1, double x2, double z2) override;
    void circle(double x, double z, double radius) override;
    void fillSquare(double x, double z, double halfSide) override;
    void setLineStyle(LineStyle style) override;
    double verticalPerHorizontal() override;
    double textWidth(std::string_view text) override;
    double textHeight(std::string_view text) override;
    void drawText(std::string_view text, double x, double z) override;
    void selectFont(const FontDescription& font) override;
    void restoreOwnFont() override;
    void setStroke(const Stroke& stroke) override;
    void restorePlanStroke() override;

    // A plan point in device pixels.
    QPointF toDevice(double x, double z) const;

    // Told of each text as it is drawn, with the box its layout covers in the painter's
    // coordinates (a turned text's box turned with it): for a reader of what a plan shows.
    using TextTold = std::function<void(std::string_view text, const QRectF& box)>;
    void tellTexts(TextTold told) { textTold_ = std::move(told); }

    // The font plan text is written in when no rotated font is selected.
    static QFont ownFont();

  private:
    // Puts `font` on the painter and measures and lays out with its `labels` from now on.
    void useFont(const QFont& font, LabelTextCache* labels);
    // Whether the device sets text only in whole pixels of its resolution, whatever its font
    // asks: a PDF page.
    bool setsWholePixels() const;
    // The own font at `shrink` of its size, or the nearest smaller that the device draws no
    // larger than that share of the own font's measures.
    QFont shrunkOwnFont(double shrink) const;
    // The cell a text laid out in the font in use covers: its advance by the font's height.
    QSizeF cellSize(const QStaticText& layout) const;

    QPainter& painter_;
    QRectF area_;
    // The pen the beams are drawn with; strokes and the thin styles are made from it.
    QPen planPen_;
    PlanTransform transform_;
    double escapementDegrees_ = 0;
    QFont ownFont_;
    // The last rotated font realised, kept so that a plan's many labels share one.
    std::optional<FontDescription> realisedDescription_;
    QFont realisedFont_;
    LabelTextCache* realisedLabels_ = nullptr;
    // Layouts and metrics of the own font, and of the font in use.
    LabelTextCache* ownLabels_;
    LabelTextCache* labels_;
    TextTold textTold_;
};

}  // namespace fp

// Gives a control its designed geometry in twips (1/1440 inch): left, top, width, height.
#pragma once

#include <QWidget>

#include "window/twips_scale.h"

namespace fp {

struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Keeps the geometry in twips, so positions built up by many moves do not drift by rounding,
// and places the widget at the nearest pixels.
class PlacedInTwips {
  public:
    PlacedInTwips(QWidget& widget, const TwipsScale& scale) : widget_(widget), scale_(scale) {}
    virtual ~PlacedInTwips() = default;

    void setTwipsGeometry(const TwipsRect& rect);
    const TwipsRect& twipsGeometry() const { return rect_; }
    void moveToTwipsLeft(double left);

    // Whether the control is set to show, whether or not the window is showing yet.
    bool isShown() const { return !widget_.isHidden(); }

    const TwipsScale& scale() const { return scale_; }

  protected:
    // Called after every change of geometry, shown or not.
    virtual void placed() {}

  private:
    QWidget& widget_;
    TwipsScale scale_;
    TwipsRect rect_;
};

}  // namespace fp

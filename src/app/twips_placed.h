// Gives a widget the designed geometry of its control: Left, Top, Width, Height in twips.
#pragma once

#include <QWidget>

#include "app/twips_scale.h"

namespace fp {

struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Keeps the geometry in twips, so positions built up by many moves do not drift by rounding,
// and places the widget at the nearest pixels.
class TwipsPlaced {
  public:
    TwipsPlaced(QWidget& widget, const TwipsScale& scale) : widget_(widget), scale_(scale) {}
    virtual ~TwipsPlaced() = default;

    void setTwipsGeometry(const TwipsRect& rect);
    const TwipsRect& twipsGeometry() const { return rect_; }
    double Left() const { return rect_.left; }
    double Top() const { return rect_.top; }
    double Width() const { return rect_.width; }
    double Height() const { return rect_.height; }
    void setLeft(double left);
    void setTop(double top);

    // Whether the control is set to show, whether or not the window is showing yet.
    bool Visible() const { return !widget_.isHidden(); }
    void SetFocus() { widget_.setFocus(Qt::OtherFocusReason); }

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

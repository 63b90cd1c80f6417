// Places a widget from its geometry in twips.
#include "window/placed_in_twips.h"

namespace fp {

void PlacedInTwips::setTwipsGeometry(const TwipsRect& rect) {
    rect_ = rect;
    // Both edges are rounded, not the size, so neighbouring controls meet as designed.
    const int left = scale_.toPixels(rect.left);
    const int top = scale_.toPixels(rect.top);
    const int right = scale_.toPixels(rect.left + rect.width);
    const int bottom = scale_.toPixels(rect.top + rect.height);
    widget_.setGeometry(left, top, right - left, bottom - top);
    placed();
}

void PlacedInTwips::moveToTwipsLeft(double left) {
    TwipsRect moved = rect_;
    moved.left = left;
    setTwipsGeometry(moved);
}

}  // namespace fp

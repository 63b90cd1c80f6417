// Zoom and pan as a factor and the middle of the visible part.
#include "window/plan_zoom.h"

#include <algorithm>

namespace fp {

PlanFrame PlanZoom::visible(const PlanFrame& whole) const {
    const double width = (whole.right - whole.left) / factor_;
    const double height = (whole.bottom - whole.top) / factor_;
    const double middleX = whole.left + middleX_ * (whole.right - whole.left);
    const double middleY = whole.top + middleY_ * (whole.bottom - whole.top);
    return {middleX - width / 2, middleY - height / 2, middleX + width / 2, middleY + height / 2};
}

void PlanZoom::keepInside() {
    const double half = 0.5 / factor_;
    middleX_ = std::clamp(middleX_, half, 1 - half);
    middleY_ = std::clamp(middleY_, half, 1 - half);
}

void PlanZoom::zoomAbout(double by, double fx, double fy) {
    // The point held, as fractions of the whole frame.
    const double heldX = middleX_ + (fx - 0.5) / factor_;
    const double heldY = middleY_ + (fy - 0.5) / factor_;
    factor_ = std::clamp(factor_ * by, 1.0, kMostZoom);
    middleX_ = heldX - (fx - 0.5) / factor_;
    middleY_ = heldY - (fy - 0.5) / factor_;
    keepInside();
}

void PlanZoom::panBy(double dx, double dy) {
    middleX_ += dx / factor_;
    middleY_ += dy / factor_;
    keepInside();
}

void PlanZoom::bringIntoView(const PlanFrame& whole, const PlanFrame& part) {
    const PlanFrame shown = visible(whole);
    if (shown.left <= part.left && part.right <= shown.right && shown.top <= part.top &&
        part.bottom <= shown.bottom) {
        return;
    }
    // The part and a fifth more around it.
    constexpr double kRoom = 1.2;
    const double partWidth = (part.right - part.left) * kRoom;
    const double partHeight = (part.bottom - part.top) * kRoom;
    if (partWidth > 0) {
        factor_ = std::min(factor_, (whole.right - whole.left) / partWidth);
    }
    if (partHeight > 0) {
        factor_ = std::min(factor_, (whole.bottom - whole.top) / partHeight);
    }
    factor_ = std::max(factor_, 1.0);
    centreOn(whole, (part.left + part.right) / 2, (part.top + part.bottom) / 2);
}

void PlanZoom::centreOn(const PlanFrame& whole, double x, double z) {
    const double width = whole.right - whole.left;
    const double height = whole.bottom - whole.top;
    middleX_ = width != 0 ? (x - whole.left) / width : 0.5;
    middleY_ = height != 0 ? (z - whole.top) / height : 0.5;
    keepInside();
}

}  // namespace fp

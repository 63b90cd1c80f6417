// Plan coordinates onto a rectangle of device pixels and back. X and Z are scaled each on its
// own, so the frame fills the rectangle whatever its proportions.
#pragma once

#include "plan/plan_frame.h"

namespace fp {

class PlanTransform {
  public:
    // The identity on a one-pixel square, until given a frame.
    PlanTransform() = default;
    // `frame` onto the rectangle at (left, top) of `width` by `height` pixels. A rectangle
    // squeezed to nothing is taken as one pixel across; a frame of no extent as one unit.
    PlanTransform(const PlanFrame& frame, double left, double top, double width, double height);

    double deviceX(double x) const { return left_ + (x - frame_.left) * scaleX_; }
    double deviceZ(double z) const { return top_ + (z - frame_.top) * scaleZ_; }
    double planX(double deviceX) const { return frame_.left + (deviceX - left_) / scaleX_; }
    double planZ(double deviceZ) const { return frame_.top + (deviceZ - top_) / scaleZ_; }

    // Device pixels per plan unit.
    double scaleX() const { return scaleX_; }
    double scaleZ() const { return scaleZ_; }

  private:
    PlanFrame frame_{0, 0, 1, 1};
    double left_ = 0;
    double top_ = 0;
    double scaleX_ = 1;
    double scaleZ_ = 1;
};

}  // namespace fp

// Zoom and pan of the plan: which part of the model's frame the plan area shows. The window's
// view state alone; the document and the exports never see it.
#pragma once

#include "plan/plan_frame.h"

namespace fp {

class PlanZoom {
  public:
    static constexpr double kMostZoom = 64;

    // The part of `whole` on show: all of it at factor 1, a part `factor` times smaller about
    // the centre otherwise, always inside `whole`.
    PlanFrame visible(const PlanFrame& whole) const;

    double factor() const { return factor_; }
    bool isFit() const { return factor_ == 1; }

    // Zooms by `by` (above 1 in, below 1 out) keeping the model point at (fx, fy) of the visible
    // frame, as fractions of its width and height, where it is. The factor stays within 1 and
    // kMostZoom; zoomed out to 1 the whole frame shows.
    void zoomAbout(double by, double fx, double fy);
    // Moves the visible frame by a fraction of its width and height.
    void panBy(double dx, double dy);
    // Shows `part` of the whole frame whole, a little room around it, when it is not all on
    // show: centred on it, and zoomed out as far as it needs.
    void bringIntoView(const PlanFrame& whole, const PlanFrame& part);
    // The whole frame again.
    void fit() { *this = PlanZoom(); }

  private:
    void keepInside();
    // Puts the plan point (x, z) in the middle of the visible frame, as near as it can.
    void centreOn(const PlanFrame& whole, double x, double z);

    double factor_ = 1;
    // The middle of the visible frame, as a fraction of the whole frame's width and height; it
    // stays where it is when the whole frame is resized.
    double middleX_ = 0.5;
    double middleY_ = 0.5;
};

}  // namespace fp

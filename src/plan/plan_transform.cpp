// The scales of a plan frame on a device rectangle.
#include "plan/plan_transform.h"

#include <algorithm>

namespace fp {
namespace {

double safeSpan(double from, double to) {
    const double span = to - from;
    return span == 0 ? 1 : span;
}

}  // namespace

PlanTransform::PlanTransform(const PlanFrame& frame, double left, double top, double width,
                             double height)
    : frame_(frame),
      left_(left),
      top_(top),
      scaleX_(std::max(width, 1.0) / safeSpan(frame.left, frame.right)),
      scaleZ_(std::max(height, 1.0) / safeSpan(frame.top, frame.bottom)) {}

}  // namespace fp

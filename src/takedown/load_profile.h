// A load along a beam in kN/m, straight between the points where it is given.
#pragma once

#include <vector>

namespace fp {

struct ProfilePoint {
    double at = 0;     // metres from the beam's start
    double value = 0;  // kN/m
};

class LoadProfile {
  public:
    LoadProfile() = default;
    // Points in order along the beam; none lies before the one before it.
    explicit LoadProfile(std::vector<ProfilePoint> points) : points_(std::move(points)) {}

    const std::vector<ProfilePoint>& points() const { return points_; }
    bool empty() const { return points_.size() < 2; }

    // kN: the area under it.
    double total() const;
    // kN·m about the profile's zero: the first moment of the area.
    double moment() const;
    // kN/m: its greatest value; 0 for an empty profile.
    double peak() const;
    // kN/m at `at`, 0 outside the points.
    double valueAt(double at) const;

    // The part between `from` and `to` (metres), moved by `shift`: the part's point at `from`
    // stands at from + shift.
    LoadProfile part(double from, double to, double shift) const;
    // The sum of the profiles, each times its factor, over their common points.
    static LoadProfile sum(const std::vector<LoadProfile>& profiles,
                           const std::vector<double>& factors);

  private:
    std::vector<ProfilePoint> points_;
};

// The end reactions of a simply supported span: a load of `total` kN with the first moment
// `moment` kN·m about the start, on a span of `length` metres (more than 0).
struct EndReactions {
    double start = 0;
    double end = 0;
};
EndReactions reactionsOf(double total, double moment, double length);

}  // namespace fp

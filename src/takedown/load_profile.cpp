// Areas, moments and parts of piecewise-linear loads.
#include "takedown/load_profile.h"

#include <algorithm>

namespace fp {

double LoadProfile::total() const {
    double total = 0;
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const ProfilePoint& a = points_[i - 1];
        const ProfilePoint& b = points_[i];
        total += (a.value + b.value) / 2 * (b.at - a.at);
    }
    return total;
}

double LoadProfile::moment() const {
    double moment = 0;
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const ProfilePoint& a = points_[i - 1];
        const ProfilePoint& b = points_[i];
        // A trapezoid's first moment, exact for a straight load between the two points.
        moment += (b.at - a.at) / 6 * (a.value * (2 * a.at + b.at) + b.value * (a.at + 2 * b.at));
    }
    return moment;
}

double LoadProfile::peak() const {
    double peak = 0;
    for (const ProfilePoint& point : points_) {
        peak = std::max(peak, point.value);
    }
    return peak;
}

double LoadProfile::valueAt(double at) const {
    if (points_.empty() || at < points_.front().at || at > points_.back().at) {
        return 0;
    }
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const ProfilePoint& a = points_[i - 1];
        const ProfilePoint& b = points_[i];
        if (at <= b.at) {
            return b.at > a.at ? a.value + (b.value - a.value) * (at - a.at) / (b.at - a.at)
                               : b.value;
        }
    }
    return points_.back().value;
}

LoadProfile LoadProfile::part(double from, double to, double shift) const {
    std::vector<ProfilePoint> points{{from + shift, valueAt(from)}};
    for (const ProfilePoint& point : points_) {
        if (point.at > from && point.at < to) {
            points.push_back({point.at + shift, point.value});
        }
    }
    points.push_back({to + shift, valueAt(to)});
    return LoadProfile(std::move(points));
}

LoadProfile LoadProfile::sum(const std::vector<LoadProfile>& profiles,
                             const std::vector<double>& factors) {
    std::vector<double> at;
    for (const LoadProfile& profile : profiles) {
        for (const ProfilePoint& point : profile.points()) {
            at.push_back(point.at);
        }
    }
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end()), at.end());
    std::vector<ProfilePoint> points;
    points.reserve(at.size());
    for (const double where : at) {
        double value = 0;
        for (std::size_t i = 0; i < profiles.size(); ++i) {
            value += factors[i] * profiles[i].valueAt(where);
        }
        points.push_back({where, value});
    }
    return LoadProfile(std::move(points));
}

EndReactions reactionsOf(double total, double moment, double length) {
    const double end = moment / length;
    return {total - end, end};
}

}  // namespace fp

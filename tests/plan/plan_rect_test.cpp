// The index of rectangles answers as a test of every rectangle would, wherever they lie: inside
// the part of the plan its cells cover, across its edges or far past them, at any cell size.
#include "plan/plan_rect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace fp {
namespace {

bool anyMeets(const std::vector<PlanRect>& rects, const PlanRect& tested) {
    return std::any_of(rects.begin(), rects.end(),
                       [&](const PlanRect& rect) { return rect.meets(tested); });
}

// A rectangle somewhere in `span` of up to `largest` across, or a line along an axis.
PlanRect randomRect(std::mt19937& random, const PlanRect& span, double largest) {
    std::uniform_real_distribution<double> x(span.left, span.right);
    std::uniform_real_distribution<double> z(span.top, span.bottom);
    std::uniform_real_distribution<double> size(0, largest);
    const double left = x(random);
    const double top = z(random);
    switch (random() % 4) {
        case 0:
            return {left, top, left, top + size(random)};
        case 1:
            return {left, top, left + size(random), top};
        default:
            return {left, top, left + size(random), top + size(random)};
    }
}

TEST(PlanRectIndex, AnswersAsATestOfEveryRectangleWould) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        std::string what;
        double cell;
        PlanRect bounds;
        // Where the rectangles and the tests lie, and how large they are at most.
        PlanRect span;
        double largest;
    } cases[] = {
        {"within its part", 40, {0, 0, 1600, 900}, {0, 0, 1600, 900}, 120},
        {"across its edges and far past them",
         40,
         {0, 0, 1600, 900},
         {-5000, -3000, 6000, 4000},
         900},
        {"cells far too small for its part",
         1e-6,
         {0, 0, 1600, 900},
         {-100, -100, 1700, 1000},
         300},
        {"a part with no width", 40, {500, 0, 500, 900}, {0, 0, 1600, 900}, 200},
        {"no usable cell or part", nan, {nan, 0, 1600, nan}, {0, 0, 1600, 900}, 200},
        {"a cell larger than its part", 1e9, {0, 0, 1600, 900}, {0, 0, 1600, 900}, 50},
    };
    std::mt19937 random(33);
    for (const auto& tried : cases) {
        SCOPED_TRACE(tried.what);
        PlanRectIndex index(tried.cell, tried.bounds);
        std::vector<PlanRect> added;
        int met = 0;
        for (int i = 0; i < 400; ++i) {
            // Added and tested in turn, as the placement adds each text it places.
            const PlanRect tested = randomRect(random, tried.span, tried.largest);
            const bool expected = anyMeets(added, tested);
            ASSERT_EQ(index.meetsAny(tested), expected) << "test " << i;
            met += expected ? 1 : 0;
            const PlanRect rect = randomRect(random, tried.span, tried.largest);
            index.add(rect);
            added.push_back(rect);
        }
        EXPECT_GT(met, 0) << "some tests meet a rectangle";
        EXPECT_LT(met, 400) << "some tests meet none";
    }
}

}  // namespace
}  // namespace fp

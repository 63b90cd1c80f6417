// The index of rectangles answers as a test of every rectangle would, wherever they lie: inside
// the part of the plan its cells cover, across its edges or far past them, at any cell size.
#include "plan/plan_rect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

namespace fp {
namespace {

TEST(PlanRectIndex, AnswersAsATestOfEveryRectangleWould) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // The cell, the part it covers, and where the rectangles (up to `largest` across) lie.
    const struct {
        double cell;
        PlanRect bounds;
        PlanRect span;
        double largest;
    } cases[] = {{40, {0, 0, 1600, 900}, {0, 0, 1600, 900}, 120},
                 {40, {0, 0, 1600, 900}, {-5000, -3000, 6000, 4000}, 900},
                 {1e-6, {0, 0, 1600, 900}, {-100, -100, 1700, 1000}, 300},
                 {40, {500, 0, 500, 900}, {0, 0, 1600, 900}, 200},
                 {nan, {nan, 0, 1600, nan}, {0, 0, 1600, 900}, 200},
                 {1e9, {0, 0, 1600, 900}, {0, 0, 1600, 900}, 50}};
    std::mt19937 random(33);
    for (std::size_t c = 0; c < std::size(cases); ++c) {
        const auto& tried = cases[c];
        std::uniform_real_distribution<double> x(tried.span.left, tried.span.right);
        std::uniform_real_distribution<double> z(tried.span.top, tried.span.bottom);
        std::uniform_real_distribution<double> size(0, tried.largest);
        // A box, or a line along either axis.
        const auto any = [&] {
            const PlanRect corner{x(random), z(random), 0, 0};
            const int shape = static_cast<int>(random() % 3);
            return PlanRect{corner.left, corner.top, corner.left + (shape == 1 ? 0 : size(random)),
                            corner.top + (shape == 2 ? 0 : size(random))};
        };
        PlanRectIndex index(tried.cell, tried.bounds);
        std::vector<PlanRect> added;
        int met = 0;
        // Added and tested in turn, as the placement adds each text it places.
        for (int i = 0; i < 400; ++i) {
            const PlanRect tested = any();
            const bool expected =
                std::any_of(added.begin(), added.end(),
                            [&](const PlanRect& rect) { return rect.meets(tested); });
            ASSERT_EQ(index.meetsAny(tested), expected) << "case " << c << ", test " << i;
            met += expected ? 1 : 0;
            added.push_back(any());
            index.add(added.back());
        }
        EXPECT_TRUE(met > 0 && met < 400) << "case " << c << ": some tests meet one, some none";
    }
}

}  // namespace
}  // namespace fp

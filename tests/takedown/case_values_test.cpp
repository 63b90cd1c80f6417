// Sparse values by case against plain vectors holding every case: the same sums, whatever the
// order in which cases arrive and however the two sides' cases interleave.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "takedown/case_values.h"

namespace fp {
namespace {

TEST(CaseValues, SumLikeAVectorOfEveryCase) {
    constexpr std::size_t caseCount = 40;
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pickCase(0, caseCount - 1);
    std::uniform_real_distribution<double> pickValue(-50, 50);
    for (int round = 0; round < 200; ++round) {
        CaseValues sparse;
        std::vector<double> dense(caseCount, 0.0);
        for (int step = 0; step < 12; ++step) {
            // Either one case's value, or a few cases times a factor.
            const bool merge = random() % 2 == 0;
            const std::size_t caseIndex = pickCase(random);
            const double value = pickValue(random);
            if (!merge) {
                sparse.add(caseIndex, value);
                dense[caseIndex] += value;
                continue;
            }
            CaseValues other;
            std::vector<double> otherDense(caseCount, 0.0);
            for (std::size_t n = random() % 6; n > 0; --n) {
                const std::size_t at = pickCase(random);
                const double value = pickValue(random);
                other.add(at, value);
                otherDense[at] += value;
            }
            sparse.addScaled(other, value);
            for (std::size_t c = 0; c < caseCount; ++c) {
                dense[c] += value * otherDense[c];
            }
        }
        std::size_t previous = 0;
        for (std::size_t i = 0; i < sparse.entries().size(); ++i) {
            const std::size_t at = sparse.entries()[i].first;
            EXPECT_TRUE(i == 0 || at > previous) << "entries out of order in round " << round;
            previous = at;
        }
        for (std::size_t c = 0; c < caseCount; ++c) {
            EXPECT_NEAR(sparse.at(c), dense[c], 1e-9) << "case " << c << ", round " << round;
        }
    }
}

TEST(CaseValues, AreAllZeroOnlyWhenNoCaseHoldsALoad) {
    CaseValues none;
    EXPECT_TRUE(none.allZero());
    CaseValues cancelled;
    cancelled.add(3, 12.5);
    cancelled.add(3, -12.5);
    EXPECT_TRUE(cancelled.allZero());
    cancelled.add(9, 0.25);
    EXPECT_FALSE(cancelled.allZero());
    EXPECT_EQ(cancelled.at(4), 0);
}

}  // namespace
}  // namespace fp

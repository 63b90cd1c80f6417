// Paper and scale: the plan scales offered, the one that fits a plan with its bubbles, and the
// refusal of one that does not, which names a scale the program accepts.
#include "output/page_setup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/listing_error.h"

namespace fp {
namespace {

TEST(PageSetup, TheScalesOfferedAreThoseOfPlans) {
    EXPECT_EQ(std::vector<int>(std::begin(kPlanScales), std::end(kPlanScales)),
              (std::vector<int>{50, 100, 200, 250, 500}));
}

TEST(PageSetup, TheMostDetailedScaleThatFitsIsChosen) {
    const struct {
        PlanOnPaper plan;
        double areaWidth;
        double areaHeight;
        std::optional<int> scale;
    } cases[] = {
        {{8, 6, 0, 0}, 277, 190, 50},       // 200 by 160 mm at 1:50
        {{12, 6, 0, 0}, 277, 190, 100},     // 280 mm is too wide at 1:50
        {{24, 17.8, 0, 0}, 277, 190, 200},  // 198 mm is too high at 1:100
        {{24, 17.8, 0, 0}, 400, 250, 100},  //
        {{60, 30, 0, 0}, 277, 190, 250},    // 310 mm is too wide at 1:200
        {{80, 40, 0, 0}, 277, 190, 500},    // too wide at 1:250
        {{398, 8, 0, 0}, 277, 190, std::nullopt},
        // Bubbles that reach 14 mm beyond the lines take more than the metre at 1:100.
        {{25, 16, 14, 14}, 277, 190, 200},
        {{25, 16, 5, 5}, 277, 190, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scaleThatFits(c.plan, c.areaWidth, c.areaHeight), c.scale)
            << c.plan.spanX << " x " << c.plan.spanZ;
    }
}

TEST(PageSetup, APlanThatDoesNotFitIsRefusedNamingAScaleOffered) {
    const struct {
        int scale;
        PlanOnPaper plan;
        const char* refusal;
    } cases[] = {
        {50, {24, 17.8, 0, 0}, "1:200 fits."},
        {100, {100, 60, 0, 0}, "1:500 fits."},
        {500, {398, 8, 0, 0}, "No scale down to 1:500 fits; fit it to the page."},
    };
    for (const auto& c : cases) {
        try {
            checkPlanFits(c.scale, "A4 landscape", "7.8 M", c.plan, 277, 190);
            ADD_FAILURE() << "no refusal at 1:" << c.scale;
        } catch (const ListingError& refusal) {
            const std::string text = refusal.what();
            EXPECT_NE(text.find("does not fit on A4 landscape at 1:" + std::to_string(c.scale) +
                                ". " + c.refusal),
                      std::string::npos)
                << text;
        }
    }
    try {
        checkPlanFits(50, "A4 landscape", "7.8 M", {24, 17.8, 0, 0}, 277, 190);
    } catch (const ListingError& refusal) {
        EXPECT_STREQ(refusal.what(),
                     "The plan of level 7.8 M, 26 × 19.8 m, does not fit on A4 landscape at 1:50. "
                     "1:200 fits.");
    }
    EXPECT_NO_THROW(checkPlanFits(200, "A4 landscape", "7.8 M", {24, 17.8, 0, 0}, 277, 190));
    EXPECT_NO_THROW(checkPlanFits(0, "A4 landscape", "7.8 M", {4000, 3000, 0, 0}, 277, 190));
}

}  // namespace
}  // namespace fp

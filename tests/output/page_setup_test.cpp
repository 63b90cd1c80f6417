// Paper and scale: the scale that fits a plan, and the refusal of one that does not.
#include "output/page_setup.h"

#include <gtest/gtest.h>

#include "model/listing_error.h"

namespace fp {
namespace {

TEST(PageSetup, TheMostDetailedDrawingScaleThatFitsIsChosen) {
    const struct {
        double width;
        double height;
        double areaWidth;
        double areaHeight;
        std::optional<int> scale;
    } cases[] = {
        {10, 8, 277, 190, 50},      // 200 by 160 mm at 1:50
        {14, 8, 277, 190, 100},     // 280 mm is too wide at 1:50
        {26, 19.8, 277, 190, 200},  // 198 mm is too high at 1:100
        {26, 19.8, 400, 250, 100}, {400, 10, 277, 190, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scaleThatFits(c.width, c.height, c.areaWidth, c.areaHeight), c.scale)
            << c.width << " x " << c.height;
    }
}

TEST(PageSetup, APlanThatDoesNotFitIsRefusedNamingTheScaleThatDoes) {
    try {
        checkPlanFits(50, "A4 landscape", "7.8 M", 26, 19.8, 277, 190);
        FAIL() << "no refusal";
    } catch (const ListingError& refusal) {
        EXPECT_STREQ(refusal.what(),
                     "The plan of level 7.8 M, 26 × 19.8 m, does not fit on A4 landscape at 1:50. "
                     "1:200 fits.");
    }
    EXPECT_NO_THROW(checkPlanFits(200, "A4 landscape", "7.8 M", 26, 19.8, 277, 190));
    EXPECT_NO_THROW(checkPlanFits(0, "A4 landscape", "7.8 M", 4000, 3000, 277, 190));
    EXPECT_THROW(checkPlanFits(1000, "A3 portrait", "0 M", 400, 10, 277, 190), ListingError);
}

}  // namespace
}  // namespace fp

// An export request resolved against a listing: the view it draws, the levels it writes and the
// files they go to.
#include "output/export_request.h"

#include <gtest/gtest.h>

#include "model/listing_error.h"
#include "support/document_builder.h"

namespace fp {
namespace {

// Levels at 0, 3.5 and 7 m, floor loads of 2 and 4.5 kN/m².
ListingDocument threeLevels() {
    testing::DocumentBuilder builder;
    builder.joint(1, 0, 0, 0).joint(2, 0, 350, 0).joint(3, 0, 700, 0);
    builder.floorLoad("1", 4.5f, 6.9f, 7.1f, 0, 5, 0, 4);
    builder.floorLoad("1", 2, 3.4f, 3.6f, 0, 5, 0, 4);
    return builder.build();
}

std::string failureOf(const std::function<void()>& resolve) {
    try {
        resolve();
    } catch (const ListingError& error) {
        return error.what();
    }
    return "no failure";
}

TEST(ExportView, TheRequestsModeAndAnnotationsAtTheStartLevel) {
    const ListingDocument document = threeLevels();
    ExportRequest request;
    const PlanView defaults = exportView(document, request);
    EXPECT_EQ(defaults.level, 3);
    EXPECT_EQ(defaults.mode, LoadMode::Floor);
    EXPECT_TRUE(defaults.loadCaseNumbers);
    EXPECT_EQ(defaults.shownIntensities, (std::vector<float>{2, 4.5f}));

    request.view.mode = LoadMode::Member;
    request.view.memberNumbers = true;
    request.view.loadCaseNumbers = false;
    request.view.decimalSeparator = ',';
    request.intensities = std::vector<float>{4.5f};
    const PlanView chosen = exportView(document, request);
    EXPECT_EQ(chosen.mode, LoadMode::Member);
    EXPECT_TRUE(chosen.memberNumbers);
    EXPECT_FALSE(chosen.loadCaseNumbers);
    EXPECT_EQ(chosen.decimalSeparator, ',');
    EXPECT_EQ(chosen.shownIntensities, std::vector<float>{4.5f});

    request.intensities = std::vector<float>{3};
    EXPECT_EQ(failureOf([&] { exportView(document, request); }),
              "--intensities: 3 is not a floor-load intensity of the listing. Its intensities "
              "are 2, 4.5.");
}

TEST(ExportView, ColumnLoadsOfACaseOrCombinationTheListingLacksAreRefused) {
    const ListingDocument document = threeLevels();
    const struct {
        ColumnLoadChoice choice;
        const char* failure;
    } cases[] = {
        {{false, "1"}, "no failure"},
        {{false, "1.0"}, "no failure"},
        {{false, "2"},
         "--column-loads: the listing has no load case 2 with floor or member loads. It has 1."},
        {{true, "1"},
         "--column-loads: the listing has no load combination 1 with floor or member loads. It "
         "has 1."},
    };
    for (const auto& c : cases) {
        ExportRequest request;
        request.view.columnLoads = c.choice;
        EXPECT_EQ(failureOf([&] { exportView(document, request); }), c.failure) << c.choice.number;
    }
}

TEST(LevelsToExport, ByNumberByHeightAllOrTheStartLevel) {
    const ListingDocument document = threeLevels();
    const auto choose = [](LevelChoice choice) {
        ExportRequest request;
        request.levels = choice;
        return request;
    };
    const struct {
        LevelChoice choice;
        std::vector<int> levels;
    } found[] = {
        {{}, {3}},
        {{true, {}, {}}, {1, 2, 3}},
        {{false, 2, {}}, {2}},
        {{false, {}, 3.5f}, {2}},
        {{false, {}, 0.0f}, {1}},
        {{false, {}, 7.0f}, {3}},
    };
    for (const auto& [choice, levels] : found) {
        EXPECT_EQ(levelsToExport(document, choose(choice)), levels);
    }
    const struct {
        LevelChoice choice;
        const char* failure;
    } refused[] = {
        {{false, 4, {}},
         "There is no level 4. Its levels are numbered 1 to 3, from the lowest up."},
        {{false, 0, {}},
         "There is no level 0. Its levels are numbered 1 to 3, from the lowest up."},
        {{false, {}, 3.51f}, "There is no level at 3.51 m. Its levels are at 0, 3.5, 7 m."},
        {{false, {}, 1e30f}, "There is no level at 1E+30 m. Its levels are at 0, 3.5, 7 m."},
    };
    for (const auto& [choice, failure] : refused) {
        EXPECT_EQ(failureOf([&] { levelsToExport(document, choose(choice)); }), failure);
    }
    EXPECT_EQ(failureOf([&] { levelsToExport(testing::DocumentBuilder().build(), {}); }),
              "The listing has no joints. There is no level to draw.");
}

TEST(LevelFilePath, EveryLevelGetsAFileNumberedByItsLevel) {
    ExportRequest request;
    request.output = "out/plan.v2/plan.png";
    EXPECT_EQ(levelFilePath(request, 4), "out/plan.v2/plan.png");
    request.levels.all = true;
    EXPECT_EQ(levelFilePath(request, 4), "out/plan.v2/plan-4.png");
    request.output = "out/plan.v2/plan";
    EXPECT_EQ(levelFilePath(request, 12), "out/plan.v2/plan-12");
}

TEST(FormatNamed, AnyCaseOfTheFourFormats) {
    EXPECT_EQ(formatNamed("PNG"), ExportFormat::Png);
    EXPECT_EQ(formatNamed("svg"), ExportFormat::Svg);
    EXPECT_EQ(formatNamed("Pdf"), ExportFormat::Pdf);
    EXPECT_EQ(formatNamed("dxf"), ExportFormat::Dxf);
    EXPECT_EQ(formatNamed("jpg"), std::nullopt);
    EXPECT_EQ(formatNamed(""), std::nullopt);
}

}  // namespace
}  // namespace fp

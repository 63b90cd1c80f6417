// The legend tells the load cases the plan writes, the units of its mode and the marks that are
// on.
#include "plan/legend.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/document_builder.h"

namespace fp {
namespace {

// Level 2 of a 2 x 2 grid, one bay: a floor load of case 1 (4.5) and of case 3 (2) on it,
// a member load of case 2 on member 1; load case 4 loads nothing here.
ListingDocument loadedBay() {
    testing::DocumentBuilder builder =
        testing::oneClosedBay({1, 2, 3, 4}, {5000, 4000, 4000, 5000});
    builder.loadCase("1", "DEAD").loadCase("2", "LIVE").loadCase("3", "FINISHES");
    builder.loadCase("4", "SEISMIC");
    builder.floorLoad("1", 4.5f, 2.9f, 3.1f, 0, 5, 0, 4);
    builder.floorLoad("3", 2, 2.9f, 3.1f, 0, 5, 0, 4);
    builder.memberLoadOn(1, 10, "2");
    return builder.build();
}

bool has(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(part) != std::string::npos;
    });
}

TEST(Legend, NamesTheLoadCasesOnShowAndTheUnitsOfTheMode) {
    const ListingDocument document = loadedBay();
    PlanView view = startUpView(document);
    view.level = testing::kBayLevel;
    const struct {
        LoadMode mode;
        std::vector<float> intensities;
        bool memberLoads;
        const char* cases;
        const char* unit;
        const char* notUnit;
    } cases[] = {
        {LoadMode::Floor, {2, 4.5f}, false, "Load cases: 1 DEAD, 3 FINISHES", "kN/m²", "kN/m "},
        {LoadMode::Floor, {2}, false, "Load cases: 3 FINISHES", "spans in cm", "kN/m "},
        {LoadMode::Member, {2, 4.5f}, true, "Load cases: 2 LIVE", "Member loads in kN/m", "kN/m²"},
        {LoadMode::Member, {2, 4.5f}, false, "Load cases: none on show", "", "kN/m²"},
    };
    for (const auto& c : cases) {
        view.mode = c.mode;
        view.shownIntensities = c.intensities;
        view.memberLoadsOnBeams = c.memberLoads;
        const std::vector<std::string> lines = legendLines(document, view);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), c.cases);
        EXPECT_TRUE(has(lines, c.unit)) << c.unit;
        EXPECT_FALSE(has(lines, c.notUnit)) << c.notUnit;
    }
}

TEST(Legend, ExplainsTheMarksThatAreOnAndOnlyThose) {
    const ListingDocument document = loadedBay();
    PlanView view = startUpView(document);
    view.level = testing::kBayLevel;
    view.gridLines = false;
    view.loadCaseNumbers = false;
    const std::vector<std::string> plain = legendLines(document, view);
    for (const char* mark : {"Hatched", "Grid", "brackets", "B: "}) {
        EXPECT_FALSE(has(plain, mark)) << mark;
    }
    view.gridLines = true;
    view.loadCaseNumbers = true;
    view.markPanelsWithoutLoad = true;
    const std::vector<std::string> floor = legendLines(document, view);
    for (const char* mark : {"Hatched", "Grid", "brackets"}) {
        EXPECT_TRUE(has(floor, mark)) << mark;
    }
    view.mode = LoadMode::Member;
    view.memberNumbers = true;
    const std::vector<std::string> member = legendLines(document, view);
    EXPECT_TRUE(has(member, "B: member number"));
    EXPECT_FALSE(has(member, "Hatched")) << "hatching is drawn in floor-load mode only";
}

// Titles of a megabyte each: the legend is cut to a line's worth of text, so drawing a page
// takes no longer for the bytes nobody sees.
TEST(Legend, HugeTitlesAreCutWithAnEllipsis) {
    testing::DocumentBuilder builder =
        testing::oneClosedBay({1, 2, 3, 4}, {5000, 4000, 4000, 5000});
    for (const char* number : {"1", "2", "3", "4", "5"}) {
        builder.loadCase(number, std::string(1 << 20, 'T'));
        builder.floorLoad(number, 1, 2.9f, 3.1f, 0, 5, 0, 4);
    }
    const ListingDocument document = builder.build();
    PlanView view = startUpView(document);
    view.level = testing::kBayLevel;
    const std::string cases = legendLines(document, view).front();
    EXPECT_EQ(cases.rfind("Load cases: 1 TTT", 0), 0u);
    EXPECT_TRUE(cases.ends_with("\u2026"));
    EXPECT_LT(cases.size(), 1000u);
}

}  // namespace
}  // namespace fp

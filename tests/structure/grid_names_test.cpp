// Grid line names: one name for a line of the building on every level, as architects write
// them, the intersection nearest a point, and the lines a bay or a beam lies between.
#include "structure/grid_names.h"

#include <gtest/gtest.h>

#include "support/document_builder.h"

namespace fp {
namespace {

TEST(GridLineNames, XLinesAreNumberedAndZLinesLetteredWithoutIAndO) {
    const struct {
        std::size_t index;
        const char* x;
        const char* z;
    } cases[] = {
        {0, "1", "A"},    {7, "8", "H"},    {8, "9", "J"},     {13, "14", "P"},
        {23, "24", "Z"},  {24, "25", "AA"}, {31, "32", "AH"},  {32, "33", "AJ"},
        {47, "48", "AZ"}, {48, "49", "BA"}, {99, "100", "DD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(xLineName(c.index), c.x) << c.index;
        EXPECT_EQ(zLineName(c.index), c.z) << c.index;
    }
    for (std::size_t index = 0; index < 600; ++index) {
        const std::string name = zLineName(index);
        EXPECT_EQ(name.find_first_of("IO"), std::string::npos) << name;
        EXPECT_NE(name, zLineName(index + 1));
    }
}

// The upper level stands on X 0 and 7 m and Z 0 and 4.5 m; the one below on X 12 m and Z 9 m
// alone. A line keeps the building's name on every level: X 12 m is line 3 where 7 m is line 2,
// even on the level that has no line at 7 m.
TEST(GridLines, ALevelHasTheLinesOfItsOwnJointsNamedAsTheBuildingNamesThem) {
    testing::DocumentBuilder builder;
    builder.joint(1, 0, 300, 0).joint(2, 700, 300, 0).joint(3, 700, 300, 450);
    builder.joint(4, 1200, 0, 900);
    const ListingDocument document = builder.build();
    const Grid& grid = document.grid;
    const GridLineSet upper = levelGridLines(grid, 2);
    EXPECT_EQ(upper.x, (std::vector<float>{0, 700}));
    EXPECT_EQ(upper.z, (std::vector<float>{0, 450}));
    EXPECT_EQ(upper.xNames, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(upper.zNames, (std::vector<std::string>{"A", "B"}));
    const GridLineSet lower = levelGridLines(grid, 1);
    EXPECT_EQ(lower.x, std::vector<float>{1200});
    EXPECT_EQ(lower.xNames, std::vector<std::string>{"3"});
    EXPECT_EQ(lower.zNames, std::vector<std::string>{"C"});
    EXPECT_TRUE(levelGridLines(grid, 3).x.empty());
    const GridLineSet building = buildingGridLines(grid);
    EXPECT_EQ(building.xNames, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(xLineNameAt(grid, 1200), "3");
    EXPECT_EQ(zLineNameAt(grid, 450), "B");
    EXPECT_EQ(xLineNameAt(grid, 500), "") << "no line runs there";
}

TEST(GridLines, TheNearestIntersectionIsNamedZLineFirst) {
    // The level's lines, named as the building names them.
    const GridLineSet lines{
        {0, 500, 1000, 1500}, {0, 400, 800}, {"1", "2", "4", "5"}, {"A", "B", "D"}};
    const struct {
        double x;
        double z;
        const char* name;
    } cases[] = {
        {0, 0, "A/1"},      {1490, 790, "D/5"}, {760, 390, "B/4"},
        {1520, -20, "A/5"},  // a little outside still counts
        {1530, 400, ""},    {700, 830, ""},     {-30, 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nearestIntersection(lines, c.x, c.z), c.name) << c.x << ", " << c.z;
    }
    EXPECT_EQ(nearestIntersection({}, 0, 0), "");
}

// X lines at 0, 6, 12 and 18 m and Z lines at 0, 5 and 11 m.
TEST(GridLines, ABayAndABeamAreNamedByTheLinesTheyLieBetween) {
    const Grid grid = testing::DocumentBuilder()
                          .gridLines({0, 600, 1200, 1800}, {0}, {0, 500, 1100})
                          .build()
                          .grid;
    const struct {
        PanelBounds bounds;
        const char* bay;
    } bays[] = {
        {{0, 0, 600, 500}, "A\u2013B/1\u20132"},
        {{600, 0, 1800, 1100}, "A\u2013C/2\u20134"},
        {{0, 0, 650, 500}, ""},  // an edge on no line
    };
    for (const auto& c : bays) {
        EXPECT_EQ(gridBayText(grid, c.bounds), c.bay) << c.bay;
    }
    EXPECT_EQ(gridLineText(grid, 600, 500, 1200, 500), "B/2\u20133");
    EXPECT_EQ(gridLineText(grid, 1200, 1100, 1200, 0), "A\u2013C/3");
    EXPECT_EQ(gridLineText(grid, 100, 0, 600, 0), "");
}

}  // namespace
}  // namespace fp

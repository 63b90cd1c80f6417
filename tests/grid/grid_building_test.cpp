// Tests of the coordinate grid: distinct sorted lines per axis and the joint on each grid point.
#include "grid/grid.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/listing_error.h"
#include "support/document_builder.h"

namespace fp {
namespace {

using testing::DocumentBuilder;

std::vector<float> linesOf(const GridAxis& axis) {
    std::vector<float> lines;
    for (int line = 1; line <= axis.count(); ++line) {
        lines.push_back(axis.at(line));
    }
    return lines;
}

TEST(GridAxis, KeepsFirstAppearanceOrderAndIgnoresRepeats) {
    GridAxis axis{"distinct X coordinates"};
    for (const int16_t value : {700, -250, 700, 0, -250}) {
        axis.addIfAbsent(value);
    }
    EXPECT_EQ(linesOf(axis), (std::vector<float>{700, -250, 0}));
    axis.sortAscending();
    EXPECT_EQ(linesOf(axis), (std::vector<float>{-250, 0, 700}));
    EXPECT_EQ(axis.first(), -250);
    EXPECT_EQ(axis.last(), 700);
}

TEST(GridAxis, AnAxisWithoutLinesIsTakenAsOneLineAtZero) {
    const GridAxis axis{"distinct Z coordinates"};
    EXPECT_EQ(axis.count(), 0);
    EXPECT_EQ(axis.first(), 0);
    EXPECT_EQ(axis.last(), 0);
}

TEST(GridAxis, A101stDistinctValueEndsTheReading) {
    GridAxis axis{"distinct X coordinates"};
    for (int16_t value = 1; value <= 100; ++value) {
        axis.addIfAbsent(value);
    }
    axis.addIfAbsent(50);
    EXPECT_EQ(axis.count(), 100);
    EXPECT_THROW(axis.addIfAbsent(101), ListingError);
    EXPECT_EQ(axis.count(), 100);
}

TEST(BuildGrid, SortsTheDistinctCoordinatesOfEachAxis) {
    const ListingDocument document = DocumentBuilder()
                                         .joint(1, 1000, 300, 0)
                                         .joint(2, 0, 0, 800)
                                         .joint(3, 500, 300, 400)
                                         .joint(4, 1000, 600, 800)
                                         .build();
    const Grid& grid = document.grid;
    EXPECT_EQ(linesOf(grid.x), (std::vector<float>{0, 500, 1000}));
    EXPECT_EQ(linesOf(grid.y), (std::vector<float>{0, 300, 600}));
    EXPECT_EQ(linesOf(grid.z), (std::vector<float>{0, 400, 800}));
    EXPECT_EQ(grid.levelCount(), 3);

    EXPECT_EQ(grid.joints.at(3, 2, 1), 1);
    EXPECT_EQ(grid.joints.at(1, 1, 3), 2);
    EXPECT_EQ(grid.joints.at(2, 2, 2), 3);
    EXPECT_EQ(grid.joints.at(3, 3, 3), 4);
    EXPECT_EQ(grid.joints.at(1, 1, 1), 0);
    EXPECT_EQ(grid.joints.at(3, 2, 3), 0);
}

TEST(BuildGrid, OfSeveralJointsAtOnePointTheLatestWins) {
    const Grid grid = DocumentBuilder()
                          .joint(5, 0, 0, 0)
                          .joint(9, 100, 0, 0)
                          .joint(30, 0, 0, 0)
                          .joint(2, 0, 0, 0)
                          .build()
                          .grid;
    EXPECT_EQ(grid.x.count(), 2);
    EXPECT_EQ(grid.joints.at(1, 1, 1), 2);
    EXPECT_EQ(grid.joints.at(2, 1, 1), 9);
}

TEST(BuildGrid, CoordinatesOneHundredthApartLieOnDifferentLines) {
    const Grid grid =
        DocumentBuilder().joint(1, 500, 0, 0).joint(2, 501, 0, 0).joint(3, 500, 0, 0).build().grid;
    EXPECT_EQ(linesOf(grid.x), (std::vector<float>{500, 501}));
    EXPECT_EQ(grid.joints.at(1, 1, 1), 3);
    EXPECT_EQ(grid.joints.at(2, 1, 1), 2);
}

TEST(BuildGrid, AJointAtMidHeightOfAColumnAddsALevel) {
    const Grid grid = DocumentBuilder()
                          .joint(1, 0, 0, 0)
                          .joint(2, 0, 350, 0)
                          .joint(3, 0, 175, 0)
                          .joint(4, 600, 350, 0)
                          .build()
                          .grid;
    EXPECT_EQ(linesOf(grid.y), (std::vector<float>{0, 175, 350}));
    EXPECT_EQ(grid.joints.at(1, 2, 1), 3);
}

TEST(BuildGrid, AModelWithoutJointsHasAnEmptyGrid) {
    const ListingDocument document = DocumentBuilder().build();
    EXPECT_EQ(document.grid.x.count(), 0);
    EXPECT_EQ(document.grid.y.count(), 0);
    EXPECT_EQ(document.grid.z.count(), 0);
    EXPECT_EQ(document.levelCount(), 0);
}

TEST(BuildGrid, NegativeAndExtremeCoordinatesFindTheirLines) {
    const Grid grid =
        DocumentBuilder().joint(1, 32767, -32768, 0).joint(2, -32768, 32767, -1).build().grid;
    EXPECT_EQ(grid.joints.at(2, 1, 2), 1);
    EXPECT_EQ(grid.joints.at(1, 2, 1), 2);
}

TEST(BuildGrid, A101stDistinctCoordinateOnAnyAxisEndsTheReadingNamingTheAxis) {
    const struct {
        int axis;
        const char* named;
    } cases[] = {{0, "100 distinct X coordinates"},
                 {1, "100 distinct Y coordinates (levels)"},
                 {2, "100 distinct Z coordinates"}};
    for (const auto& c : cases) {
        JointList joints("joints");
        for (int16_t i = 0; i <= 100; ++i) {
            const int16_t value = static_cast<int16_t>(i * 10);
            joints.add(Joint{static_cast<int16_t>(i + 1), c.axis == 0 ? value : int16_t{0},
                             c.axis == 1 ? value : int16_t{0}, c.axis == 2 ? value : int16_t{0}});
        }
        try {
            buildGrid(joints);
            ADD_FAILURE() << c.named;
        } catch (const ListingError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace fp

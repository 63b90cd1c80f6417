// Columns: the joints of a level that vertical members reach, and their squares and labels.
#include "plan/columns.h"

#include <gtest/gtest.h>

#include "plan/label_drawing.h"
#include "plan/label_search.h"
#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

// Three levels at 0, 3 and 6 m over the points (0, 0), (5 m, 0) and (0, 4 m). Columns 1 and 2
// stand on the lowest level, 3 stands on the middle one over column 1, and member 9 runs
// slanted between levels, which is no column.
ListingDocument threeStoreys() {
    testing::DocumentBuilder builder;
    const int16_t xs[] = {0, 500, 0};
    const int16_t zs[] = {0, 0, 400};
    for (int16_t level = 0; level < 3; ++level) {
        for (int16_t point = 0; point < 3; ++point) {
            builder.joint(static_cast<int16_t>(10 * level + point), xs[point],
                          static_cast<int16_t>(300 * level), zs[point]);
        }
    }
    builder.member(1, 0, 10).member(2, 1, 11).member(3, 10, 20).member(9, 2, 11);
    builder.member(5, 10, 11);  // a beam
    return builder.build();
}

TEST(Columns, AreTheJointsAVerticalMemberReachesFromBelowOrAbove) {
    const ListingDocument document = threeStoreys();
    const struct {
        int level;
        std::vector<int32_t> members;  // by X, then Z
        std::vector<bool> fromBelow;
    } cases[] = {
        {1, {1, 2}, {false, false}},
        {2, {1, 2}, {true, true}},  // column 1 below wins over column 3 above
        {3, {3}, {true}},
        {4, {}, {}},
    };
    for (const auto& c : cases) {
        std::vector<int32_t> members;
        std::vector<bool> fromBelow;
        for (const LevelColumn& column : document.level(c.level).columns) {
            members.push_back(column.member);
            fromBelow.push_back(column.fromBelow);
        }
        EXPECT_EQ(members, c.members) << "level " << c.level;
        EXPECT_EQ(fromBelow, c.fromBelow) << "level " << c.level;
    }
    const std::vector<LevelColumn>& middle = document.level(2).columns;
    EXPECT_EQ(middle.at(1).x, 500);
    EXPECT_EQ(middle.at(1).z, 0);
}

TEST(Columns, AreFilledSquaresLabelledBesideInMemberLoadModeOnly) {
    const ListingDocument document = threeStoreys();
    PlanView view = startUpView(document);
    view.level = 2;
    for (const LoadMode mode : {LoadMode::Floor, LoadMode::Member}) {
        view.mode = mode;
        test::RecordingSurface surface;
        PlanLabels labels;
        drawColumns(document, view, surface, labels);
        drawLabels(labels, designedLayout(labels), surface);
        const auto squares = surface.callsOf(test::RecordingSurface::Kind::Square);
        ASSERT_EQ(squares.size(), 2u);
        EXPECT_EQ(squares[0].x1, 0);
        EXPECT_EQ(squares[1].x1, 500);
        EXPECT_EQ(squares[0].part, PlanPart::Columns);
        const auto texts = surface.texts();
        if (mode == LoadMode::Floor) {
            EXPECT_TRUE(texts.empty());
            continue;
        }
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[1].text, "C: 2");
        // Beside the square, clear of it.
        EXPECT_GT(texts[1].x1, squares[1].x1 + squares[1].x2);
        EXPECT_GE(texts[1].z1, squares[1].z1 + squares[1].x2);
    }
}

}  // namespace
}  // namespace fp

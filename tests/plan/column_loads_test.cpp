// Column loads on the plan: beside every column the load it carries below the level, for the
// case or combination the view names, placed as every other label is.
#include "plan/column_loads.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "plan/level_drawing.h"
#include "support/frame_listing.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using test::RecordingSurface;

// A 6 x 4 m bay at 3, 6 and 9 m on a column under each corner: dead 5 kN/m² and live 2 kN/m² on
// every floor put 30 and 12 kN on each corner a storey; combination 4 is 1.5 dead + 1.5 live.
ListingDocument threeStoreyBay() {
    testing::FrameListing frame;
    for (const double y : {3.0, 6.0, 9.0}) {
        frame.bay(y, 0, 0, 6, 4, true, y - 3);
    }
    frame.text.loadCase("1", "DEAD");
    for (const double y : {3.0, 6.0, 9.0}) {
        frame.text.floorLoad(y - 0.1, y + 0.1, 5);
    }
    frame.text.loadCase("2", "LIVE");
    for (const double y : {3.0, 6.0, 9.0}) {
        frame.text.floorLoad(y - 0.1, y + 0.1, 2);
    }
    frame.text.combination("4", "ULTIMATE", "1 1.5 2 1.5");
    return testing::readFrame(frame.text);
}

std::vector<RecordingSurface::Call> columnLoadTexts(const RecordingSurface& surface) {
    std::vector<RecordingSurface::Call> texts = surface.texts();
    std::erase_if(texts, [](const RecordingSurface::Call& text) {
        return text.part != PlanPart::ColumnLoads;
    });
    return texts;
}

TEST(ColumnLoads, EachColumnIsLabelledWithTheLoadBelowTheLevelForTheChoice) {
    const ListingDocument document = threeStoreyBay();
    const struct {
        double height;
        ColumnLoadChoice choice;
        LoadMode mode;
        std::string text;  // on every one of the four columns
    } cases[] = {
        {9, {false, "1"}, LoadMode::Floor, "30.0 kN"},
        {6, {false, "1"}, LoadMode::Floor, "60.0 kN"},
        {3, {false, "1"}, LoadMode::Floor, "90.0 kN"},
        {3, {false, "2"}, LoadMode::Floor, "36.0 kN"},
        // Into the bases: what the lowest storey's columns carry.
        {0, {false, "1"}, LoadMode::Floor, "90.0 kN"},
        {6, {true, "4"}, LoadMode::Floor, "126.0 kN"},
        {0, {true, "4"}, LoadMode::Member, "189.0 kN"},
    };
    for (const auto& c : cases) {
        PlanView view = startUpView(document);
        view.level = document.levelAtMetres(static_cast<float>(c.height));
        view.mode = c.mode;
        view.columnLoads = c.choice;
        RecordingSurface surface;
        drawLevel(document, view, surface);
        const auto texts = columnLoadTexts(surface);
        ASSERT_EQ(texts.size(), 4u) << c.height << " m, " << c.text;
        std::set<std::pair<double, double>> nearestColumns;
        for (const auto& text : texts) {
            EXPECT_EQ(text.text, c.text) << c.height << " m";
            // Each label stands by its own column: the four go to the four corners.
            std::pair<double, double> nearest;
            double best = std::numeric_limits<double>::max();
            for (const LevelColumn& column : document.level(view.level).columns) {
                const double distance = std::hypot(text.x1 - column.x, text.z1 - column.z);
                if (distance < best) {
                    best = distance;
                    nearest = {column.x, column.z};
                }
            }
            nearestColumns.insert(nearest);
        }
        EXPECT_EQ(nearestColumns.size(), 4u) << c.height << " m";
    }
}

TEST(ColumnLoads, AreDrawnOnlyForACaseOrCombinationTheListingHas) {
    const ListingDocument document = threeStoreyBay();
    const struct {
        const char* what;
        std::optional<ColumnLoadChoice> choice;
        std::size_t labels;
    } cases[] = {
        {"not asked for", std::nullopt, 0},
        {"a case without loads", ColumnLoadChoice{false, "3"}, 0},
        {"combination 1 is no combination", ColumnLoadChoice{true, "1"}, 0},
        {"case 4 is no case", ColumnLoadChoice{false, "4"}, 0},
        {"case 2", ColumnLoadChoice{false, "2"}, 4},
    };
    for (const auto& c : cases) {
        PlanView view = startUpView(document);
        view.level = 2;
        view.columnLoads = c.choice;
        RecordingSurface surface;
        drawLevel(document, view, surface);
        EXPECT_EQ(columnLoadTexts(surface).size(), c.labels) << c.what;
    }
}

TEST(ColumnLoads, MarksSumToTheBasesOnTheLowestLevel) {
    // The loads into the bases add up to what the equilibrium says reaches the ground.
    const ListingDocument document = threeStoreyBay();
    const Takedown& takedown = documentTakedown(document);
    for (const LoadChoice& choice : takedown.cases.everyChoice()) {
        double sum = 0;
        for (const ColumnLoadMark& mark : columnLoadMarks(takedown, 1, choice)) {
            sum += mark.kN;
        }
        EXPECT_NEAR(sum, takedown.cases.valueOf(choice, takedown.equilibrium.bases), 1e-9);
    }
}

}  // namespace
}  // namespace fp

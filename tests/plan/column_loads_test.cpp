// Column loads on the plan: beside every column the load it carries below the level, for the
// case or combination the view names, placed as every other label is.
#include "plan/column_loads.h"

#include <gtest/gtest.h>

#include "plan/level_drawing.h"
#include "support/frame_listing.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

// A 6 x 4 m bay at 3, 6 and 9 m on a column under each corner: dead 5 kN/m² and live 2 kN/m² on
// every floor put 30 and 12 kN on each corner a storey; combination 4 is 1.5 dead + 1.5 live.
TEST(ColumnLoads, EachColumnIsLabelledWithTheLoadBelowTheLevelForTheChoice) {
    testing::FrameListing frame;
    for (const double y : {3.0, 6.0, 9.0}) {
        frame.bay(y, 0, 0, 6, 4, true, y - 3);
    }
    for (const auto& [number, intensity] : {std::pair{"1", 5.0}, {"2", 2.0}}) {
        frame.text.loadCase(number, "LOAD");
        for (const double y : {3.0, 6.0, 9.0}) {
            frame.text.floorLoad(y - 0.1, y + 0.1, intensity);
        }
    }
    frame.text.combination("4", "ULTIMATE", "1 1.5 2 1.5");
    const ListingDocument document = testing::readFrame(frame.text);
    const struct {
        int level;  // 1 at 0 m
        std::optional<ColumnLoadChoice> choice;
        LoadMode mode;
        const char* text;  // on every column; none when empty
    } cases[] = {
        {4, ColumnLoadChoice{false, "1"}, LoadMode::Floor, "30.0 kN"},
        {2, ColumnLoadChoice{false, "1"}, LoadMode::Floor, "90.0 kN"},
        {2, ColumnLoadChoice{false, "2"}, LoadMode::Member, "36.0 kN"},
        {3, ColumnLoadChoice{true, "4"}, LoadMode::Floor, "126.0 kN"},
        // Into the bases: what the lowest storey's columns carry.
        {1, ColumnLoadChoice{true, "4"}, LoadMode::Member, "189.0 kN"},
        {2, std::nullopt, LoadMode::Floor, ""},
        {2, ColumnLoadChoice{false, "3"}, LoadMode::Floor, ""},  // a case without loads
        {2, ColumnLoadChoice{true, "1"}, LoadMode::Floor, ""},   // no combination 1
    };
    for (const auto& c : cases) {
        PlanView view = startUpView(document);
        view.level = c.level;
        view.mode = c.mode;
        view.columnLoads = c.choice;
        test::RecordingSurface surface;
        drawLevel(document, view, surface);
        std::vector<std::string> texts;
        for (const auto& text : surface.texts()) {
            if (text.part == PlanPart::ColumnLoads) {
                texts.push_back(text.text);
            }
        }
        const std::size_t columns = std::string(c.text).empty() ? 0 : 4;
        EXPECT_EQ(texts, std::vector<std::string>(columns, c.text)) << "level " << c.level;
    }
}

}  // namespace
}  // namespace fp

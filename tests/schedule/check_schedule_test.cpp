// The Checks sheet: one row per finding, numbers where there are numbers, empty cells where a
// finding has no level or no place.
#include <gtest/gtest.h>

#include "schedule/schedule_tables.h"
#include "support/document_builder.h"

namespace fp {
namespace {

TEST(CheckSchedule, OneRowPerFindingWithEmptyCellsForNoLevelOrPlace) {
    const ListingDocument document =
        testing::DocumentBuilder().gridLines({0, 600}, {0, 420}, {0, 500}).build();
    Finding onPanel;
    onPanel.kind = FindingKind::PartialFloorLoad;
    onPanel.level = 2;
    onPanel.place = {FindingPlace::Kind::Panel, 0, 6, 0, 5, 0};
    onPanel.lines = {184, 196};
    onPanel.caseNumber = "2";
    onPanel.sentence = "covers half";
    Finding wholeListing;
    wholeListing.kind = FindingKind::ListingCutShort;
    wholeListing.lines = {900};
    wholeListing.sentence = "cut short";

    const std::vector<Finding> findings{onPanel, wholeListing};
    const ScheduleTable table = checkSchedule(document, findings);
    EXPECT_EQ(table.name, "Checks");
    std::vector<ScheduleRow> rows;
    table.forEachRow([&rows](const ScheduleRow& row) { rows.push_back(row); });
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), table.headers.size());
    }
    EXPECT_EQ(rows[0], (std::vector<ScheduleCell>{4.2, std::string("warning"),
                                                  std::string("partial-floor-load"),
                                                  std::string("184, 196"), std::string("2"), 0, 6,
                                                  0, 5, std::string("covers half")}));
    EXPECT_EQ(rows[1][0], ScheduleCell());
    EXPECT_EQ(rows[1][5], ScheduleCell());
    EXPECT_EQ(rows[1][9], ScheduleCell(std::string("cut short")));
}

}  // namespace
}  // namespace fp

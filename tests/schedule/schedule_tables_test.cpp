// The panel and beam schedules: their columns, one row per panel and per beam, the loads of each
// case in its own columns and empty where a case has none.
#include "schedule/schedule_tables.h"

#include <gtest/gtest.h>

#include "support/document_builder.h"

namespace fp {
namespace {

using Row = ScheduleRow;

std::vector<Row> rowsOf(const ScheduleTable& table) {
    std::vector<Row> rows;
    table.forEachRow([&rows](const Row& row) { rows.push_back(row); });
    return rows;
}

// Level 2 (at 3 m) of a 3 x 2 grid, X 0, 5, 10 m and Z 0, 4 m: two 5 m by 4 m panels and seven
// designed beams, members 1 to 7 in the order the frame makes them.
class Schedules : public ::testing::Test {
  protected:
    Schedules() : frame(3, 2) {
        frame.allNeighbourBeams();
        for (int32_t member = 1; member <= 7; ++member) {
            frame.builder.designRow(member, member == 2 ? 4000 : 5000);
        }
        frame.builder.loadCase("1", "DEAD LOAD").loadCase("2", "LIVE, OFFICES");
    }

    testing::LevelFrame frame;
};

TEST_F(Schedules, PanelsCarryBoundsSpansAreaAndEachCasesIntensityAndTotal) {
    frame.builder.floorLoad("1", 5, 2.9f, 3.1f, 0, 10, 0, 4);
    frame.builder.floorLoad("2", 2, 2.9f, 3.1f, 5, 10, 0, 4);
    frame.builder.floorLoad("2", 0.5f, 2.9f, 3.1f, 5, 10, 0, 4);
    const ListingDocument document = frame.builder.build();
    const ScheduleTable table = panelSchedule(document);
    EXPECT_EQ(table.name, "Panels");
    EXPECT_EQ(table.headers,
              (std::vector<std::string>{
                  "Level (m)", "X from (m)", "X to (m)", "Z from (m)", "Z to (m)", "Span X (m)",
                  "Span Z (m)", "Area (m²)", "Case 1 DEAD LOAD intensity (kN/m²)",
                  "Case 1 DEAD LOAD total (kN)", "Case 2 LIVE, OFFICES intensity (kN/m²)",
                  "Case 2 LIVE, OFFICES total (kN)"}));
    ASSERT_EQ(rowsOf(table).size(), 2u);
    EXPECT_EQ(rowsOf(table)[0], (Row{3, 0, 5, 0, 4, 5, 4, 20, 5, 100, std::nullopt, std::nullopt}));
    EXPECT_EQ(rowsOf(table)[1], (Row{3, 5, 10, 0, 4, 5, 4, 20, 5, 100, 2.5, 50}));
}

TEST_F(Schedules, BeamsCarryJointsLengthAndTheSumOfEachCasesMemberLoads) {
    frame.builder.memberLoadOn(2, 10, "1").memberLoadOn(2, 2.5f, "1").memberLoadOn(4, 3, "2");
    const ListingDocument document = frame.builder.build();
    const ScheduleTable table = beamSchedule(document);
    EXPECT_EQ(table.name, "Beams");
    EXPECT_EQ(table.headers,
              (std::vector<std::string>{"Level (m)", "Serial", "Member", "Start joint", "End joint",
                                        "Length (m)", "Case 1 DEAD LOAD (kN/m)",
                                        "Case 2 LIVE, OFFICES (kN/m)"}));
    ASSERT_EQ(rowsOf(table).size(), 7u);
    EXPECT_EQ(rowsOf(table)[0], (Row{3, 1, 1, 20101, 20201, 5, std::nullopt, std::nullopt}));
    EXPECT_EQ(rowsOf(table)[1], (Row{3, 2, 2, 20101, 20102, 4, 12.5, std::nullopt}));
    EXPECT_EQ(rowsOf(table)[3], (Row{3, 4, 4, 20201, 20301, 5, std::nullopt, 3}));
}

// Member loads before any header have a column of their own, after the cases with headers;
// cases no load of the kind uses have none.
TEST_F(Schedules, LoadsWithoutALoadCaseHaveAColumnOfTheirOwn) {
    frame.builder.memberLoadOn(1, 4, "").memberLoadOn(1, 6, "2");
    const ListingDocument document = frame.builder.build();
    const ScheduleTable beams = beamSchedule(document);
    ASSERT_EQ(beams.headers.size(), 8u);
    EXPECT_EQ(beams.headers[6], "Case 2 LIVE, OFFICES (kN/m)");
    EXPECT_EQ(beams.headers[7], "No load case (kN/m)");
    EXPECT_EQ(rowsOf(beams)[0][6], 6);
    EXPECT_EQ(rowsOf(beams)[0][7], 4);
    EXPECT_EQ(panelSchedule(frame.builder.build()).headers.size(), 8u);
}

// 1.8 m by 6 m is 10.8 m², not 10.799999999999999.
TEST(ScheduleNumbers, AreRoundedToMillionths) {
    testing::LevelFrame frame(2, 2, 600, 180);
    frame.allNeighbourBeams();
    frame.builder.floorLoad("1", 3.3f, 2.9f, 3.1f, 0, 6, 0, 1.8f);
    const ListingDocument document = frame.builder.build();
    const ScheduleTable table = panelSchedule(document);
    ASSERT_EQ(rowsOf(table).size(), 1u);
    EXPECT_EQ(rowsOf(table)[0][7], 10.8);
    EXPECT_EQ(rowsOf(table)[0][8], 3.3);
    EXPECT_EQ(rowsOf(table)[0][9], 35.64);
}

}  // namespace
}  // namespace fp

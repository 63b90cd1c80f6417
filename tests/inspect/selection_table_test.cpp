// The Properties tables of a beam, a panel and several things: the facts, the listing lines they
// link to, and the sums per load case.
#include "inspect/selection_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/document_builder.h"

namespace fp {
namespace {

using testing::kBayLevel;

// The 5 m by 4 m bay; member 101 runs along Z = 0 from joint 211 to 221.
ListingDocument loadedBay() {
    testing::DocumentBuilder builder =
        testing::oneClosedBay({101, 102, 103, 104}, {5000, 4000, 4000, 5000});
    builder.loadCase("1", "DEAD").loadCase("2", "LIVE");
    builder.memberLoadOn(101, 10, "1", 40).memberLoadOn(101, 2.5f, "1", 41);
    builder.memberLoadOn(101, 3, "2", 42).memberLoadOn(102, 1, "2", 43);
    builder.floorLoad("1", 4.5f, 2, 4, 0, 5, 0, 4, 30).floorLoad("2", 3, 2, 4, 0, 5, 0, 4, 31);
    builder.floorLoad("2", 9, 2, 4, 0, 2, 0, 4, 32);
    ListingDocument document = builder.build();
    document.designRows[0].line = 900;
    return document;
}

const LevelPanel& theBay(const ListingDocument& document) {
    return document.level(kBayLevel).panels.at(0);
}

BeamFacts factsOfMember(const ListingDocument& document, int32_t member) {
    const std::vector<LevelBeam>& beams = document.level(kBayLevel).beams;
    for (std::size_t i = 0; i < beams.size(); ++i) {
        if (beams[i].member == member) {
            return beamFacts(document, static_cast<int>(i) + 1, beams[i]);
        }
    }
    ADD_FAILURE() << "no beam of member " << member;
    return {};
}

// The rows whose first cell is `property`, each as its value, load case and listing line.
std::vector<std::vector<std::string>> rowsOf(const FactsTable& table, const std::string& property) {
    std::vector<std::vector<std::string>> found;
    for (const auto& row : table.rows) {
        if (row[0].text == property) {
            found.push_back({row[1].text, row[2].text, std::to_string(row[3].line)});
        }
    }
    return found;
}

TEST(SelectionTable, BeamShowsItsJointsDesignLineAndLoadsWithTheirLines) {
    const ListingDocument document = loadedBay();
    const FactsTable table = beamTable(document, factsOfMember(document, 101), ',');
    EXPECT_EQ(rowsOf(table, "Member")[0][0], "101");
    EXPECT_EQ(rowsOf(table, "Start joint")[0][0], "211: X 0, Y 3, Z 0 m");
    EXPECT_EQ(rowsOf(table, "End joint")[0][0], "221: X 5, Y 3, Z 0 m");
    EXPECT_EQ(rowsOf(table, "Direction")[0][0], "+X");
    EXPECT_EQ(rowsOf(table, "Length as designed"),
              (std::vector<std::vector<std::string>>{{"5 m", "", "900"}}));
    EXPECT_EQ(rowsOf(table, "Member load"),
              (std::vector<std::vector<std::string>>{{"10 kN/m", "Case 1 DEAD", "40"},
                                                     {"2,5 kN/m", "Case 1 DEAD", "41"},
                                                     {"3 kN/m", "Case 2 LIVE", "42"}}));
    EXPECT_EQ(rowsOf(table, "Sum of member loads"),
              (std::vector<std::vector<std::string>>{{"12,5 kN/m", "Case 1 DEAD", "0"},
                                                     {"3 kN/m", "Case 2 LIVE", "0"}}));
}

TEST(SelectionTable, PanelShowsItsGridAreaAndEveryActingFloorLoad) {
    const ListingDocument document = loadedBay();
    const FactsTable table = panelTable(document, panelFacts(theBay(document), kBayLevel, {}), '.');
    EXPECT_EQ(rowsOf(table, "Bounds")[0][0], "X 0\u20135 m, Z 0\u20134 m");
    EXPECT_EQ(rowsOf(table, "Grid lines")[0][0], "A\u2013B/1\u20132");
    EXPECT_EQ(rowsOf(table, "Spans")[0][0], "5 × 4 m");
    EXPECT_EQ(rowsOf(table, "Area")[0][0], "20 m²");
    // The 9 kN/m² load stops 3 m short of the panel's edge and does not act on it.
    EXPECT_EQ(rowsOf(table, "Floor load"),
              (std::vector<std::vector<std::string>>{{"4.5 kN/m², 90 kN", "Case 1 DEAD", "30"},
                                                     {"3 kN/m², 60 kN", "Case 2 LIVE", "31"}}));
    EXPECT_EQ(rowsOf(table, "Total floor load"),
              (std::vector<std::vector<std::string>>{{"90 kN", "Case 1 DEAD", "0"},
                                                     {"60 kN", "Case 2 LIVE", "0"}}));
}

TEST(SelectionTable, PanelListsTheFindingsOnItAndNoOthers) {
    const ListingDocument document = loadedBay();
    const auto finding = [](int level, double x2, Severity severity, const char* sentence) {
        Finding found;
        found.kind = FindingKind::PartialFloorLoad;
        found.severity = severity;
        found.level = level;
        found.place = {FindingPlace::Kind::Panel, 0, x2, 0, 4};
        found.lines = {32};
        found.caseNumber = "2";
        found.sentence = sentence;
        return found;
    };
    const std::vector<Finding> findings{
        finding(kBayLevel, 5, Severity::Warning, "covers 40 %"),
        finding(kBayLevel + 1, 5, Severity::Warning, "another level"),
        finding(kBayLevel, 2.5, Severity::Warning, "another panel"),
        finding(kBayLevel, 5, Severity::Note, "loaded twice"),
    };
    const FactsTable table =
        panelTable(document, panelFacts(theBay(document), kBayLevel, findings), '.');
    EXPECT_EQ(rowsOf(table, "Check warning"),
              (std::vector<std::vector<std::string>>{{"covers 40 %", "Case 2 LIVE", "32"}}));
    EXPECT_EQ(rowsOf(table, "Check note"),
              (std::vector<std::vector<std::string>>{{"loaded twice", "Case 2 LIVE", "32"}}));
}

TEST(SelectionTable, SeveralThingsGetOneRowEachAndTotalsPerCase) {
    const ListingDocument document = loadedBay();
    const FactsTable table =
        selectionSummary(document, {factsOfMember(document, 101), factsOfMember(document, 102)},
                         {panelFacts(theBay(document), kBayLevel, {})}, '.');
    EXPECT_EQ(table.headers,
              (std::vector<std::string>{"Selected", "Member", "Length (m)", "Area (m²)",
                                        "Case 1 DEAD (kN)", "Case 2 LIVE (kN)"}));
    std::vector<std::vector<std::string>> cells;
    for (const auto& row : table.rows) {
        cells.emplace_back();
        for (const FactsCell& cell : row) {
            cells.back().push_back(cell.text);
        }
    }
    // Member loads times length, floor loads times area; no cell where a case does not act.
    EXPECT_EQ(cells[0], (std::vector<std::string>{"Beam 1", "101", "5", "", "62.5", "15"}));
    EXPECT_EQ(cells[1], (std::vector<std::string>{"Beam 2", "102", "4", "", "", "4"}));
    EXPECT_EQ(cells[2], (std::vector<std::string>{"Panel X 0\u20135 m, Z 0\u20134 m", "", "", "20",
                                                  "90", "60"}));
    EXPECT_EQ(cells[3], (std::vector<std::string>{"Total", "", "9", "20", "152.5", "79"}));
}

TEST(SelectionTable, TabSeparatedKeepsEveryCellInItsPlace) {
    const FactsTable table{{"Property", "Value"},
                           {{{"Load\tcase"}, {"1\n2"}}, {{"Member"}, {"101", 0, true}}}};
    EXPECT_EQ(tabSeparated(table), "Property\tValue\nLoad case\t1 2\nMember\t101\n");
}

}  // namespace
}  // namespace fp

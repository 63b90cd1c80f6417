// CSV as RFC 4180: CR LF records, quoted fields where needed, numbers that read back exactly.
#include "schedule/csv_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace fp {
namespace {

// A table of the given rows.
ScheduleTable tableOf(std::vector<std::string> headers, std::vector<ScheduleRow> rows) {
    return {"T", std::move(headers), [rows = std::move(rows)](const RowVisitor& visit) {
                for (const ScheduleRow& row : rows) {
                    visit(row);
                }
            }};
}

std::string csv(const ScheduleTable& table) {
    std::ostringstream out;
    writeCsvTable(out, table);
    return out.str();
}

TEST(CsvTable, FieldsWithCommasQuotesOrLineBreaksAreQuotedWithQuotesDoubled) {
    const ScheduleTable table = tableOf({"plain", "a,b", "say \"hi\"", "two\nlines", "cr\r"}, {});
    EXPECT_EQ(csv(table), "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\"\r\n");
}

TEST(CsvTable, NumbersAreShortestExactAndEmptyCellsEmptyFields) {
    const ScheduleTable table =
        tableOf({"a", "b", "c", "d"}, {{4.2, std::nullopt, 1e-7, -3}, {0.1 + 0.2, 12, 1e21, 66}});
    EXPECT_EQ(csv(table), "a,b,c,d\r\n4.2,,1e-07,-3\r\n0.30000000000000004,12,1e+21,66\r\n");
}

TEST(CsvTable, TextCellsAreQuotedAsHeadersAre) {
    const ScheduleTable table =
        tableOf({"a", "b"}, {{std::string("warning"), std::string("X 0, Z 5: \"check\"")}});
    EXPECT_EQ(csv(table), "a,b\r\nwarning,\"X 0, Z 5: \"\"check\"\"\"\r\n");
}

}  // namespace
}  // namespace fp

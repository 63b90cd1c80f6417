// XLSX through libxlsxwriter.
#include "cli/xlsx_workbook.h"

#include <xlsxwriter.h>

#include <algorithm>

#include "files/pending_file.h"

namespace fp {
namespace {

// Wide enough for its header, within reason, so that every column reads without resizing.
double columnWidth(const std::string& header) {
    return std::clamp(static_cast<double>(header.size()) + 2, 10.0, 40.0);
}

void writeSheet(lxw_workbook* workbook, const ScheduleTable& table, lxw_format* bold) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, table.name.c_str());
    for (std::size_t column = 0; column < table.headers.size(); ++column) {
        const auto at = static_cast<lxw_col_t>(column);
        worksheet_set_column(sheet, at, at, columnWidth(table.headers[column]), nullptr);
        worksheet_write_string(sheet, 0, at, table.headers[column].c_str(), bold);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t column = 0; column < table.rows[r].size(); ++column) {
            const auto at = static_cast<lxw_col_t>(column);
            if (const ScheduleCell& cell = table.rows[r][column]) {
                worksheet_write_number(sheet, row, at, *cell, nullptr);
            }
        }
    }
}

}  // namespace

void writeXlsxWorkbook(const std::vector<ScheduleTable>& tables, const std::string& path,
                       const std::string& shownPath) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (workbook == nullptr) {
        throw cannotWrite(shownPath, "the workbook could not be started");
    }
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    for (const ScheduleTable& table : tables) {
        writeSheet(workbook, table, bold);
    }
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR) {
        throw cannotWrite(shownPath, lxw_strerror(error));
    }
}

}  // namespace fp

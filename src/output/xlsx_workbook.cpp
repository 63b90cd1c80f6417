// XLSX through libxlsxwriter, loaded when the first workbook is written: it brings OpenSSL and
// zlib along, which every other command would otherwise load and bind at its start.
#include "output/xlsx_workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "files/pending_file.h"
#include "platform/shared_library.h"

namespace fp {
namespace {

// The functions of libxlsxwriter a workbook needs, with the types its header gives them.
struct XlsxLibrary {
    decltype(&workbook_new) newWorkbook;
    decltype(&workbook_add_format) addFormat;
    decltype(&format_set_bold) setBold;
    decltype(&workbook_add_worksheet) addWorksheet;
    decltype(&worksheet_set_column) setColumn;
    decltype(&worksheet_write_string) writeString;
    decltype(&worksheet_write_number) writeNumber;
    decltype(&worksheet_freeze_panes) freezePanes;
    decltype(&workbook_close) closeWorkbook;
    decltype(&lxw_strerror) errorText;
};

template <typename Function>
void lookUp(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(sharedLibrarySymbol(library, name));
    if (function == nullptr) {
        throw std::runtime_error(std::string("it has no ") + name);
    }
}

XlsxLibrary loadXlsxLibrary() {
    // Kept loaded until the program ends, as a library linked to it would be.
    void* library = loadSharedLibrary(FRAMEPLAN_XLSX_LIBRARY);
    XlsxLibrary functions;
    lookUp(library, "workbook_new", functions.newWorkbook);
    lookUp(library, "workbook_add_format", functions.addFormat);
    lookUp(library, "format_set_bold", functions.setBold);
    lookUp(library, "workbook_add_worksheet", functions.addWorksheet);
    lookUp(library, "worksheet_set_column", functions.setColumn);
    lookUp(library, "worksheet_write_string", functions.writeString);
    lookUp(library, "worksheet_write_number", functions.writeNumber);
    lookUp(library, "worksheet_freeze_panes", functions.freezePanes);
    lookUp(library, "workbook_close", functions.closeWorkbook);
    lookUp(library, "lxw_strerror", functions.errorText);
    return functions;
}

// The library, loaded at the first call; one that cannot be loaded fails the writing of
// `shownPath`, and the next workbook tries again.
const XlsxLibrary& xlsxLibrary(const std::string& shownPath) {
    try {
        static const XlsxLibrary library = loadXlsxLibrary();
        return library;
    } catch (const std::runtime_error& failure) {
        throw cannotWrite(shownPath, std::string("the XLSX library " FRAMEPLAN_XLSX_LIBRARY
                                                 " could not be loaded (") +
                                         failure.what() + "); write CSV files instead");
    }
}

// Wide enough for its header, within reason, so that every column reads without resizing.
double columnWidth(const std::string& header) {
    return std::clamp(static_cast<double>(header.size()) + 2, 10.0, 40.0);
}

void writeSheet(const XlsxLibrary& xlsx, lxw_workbook* workbook, const ScheduleTable& table,
                lxw_format* bold) {
    lxw_worksheet* sheet = xlsx.addWorksheet(workbook, table.name.c_str());
    for (std::size_t column = 0; column < table.headers.size(); ++column) {
        const auto at = static_cast<lxw_col_t>(column);
        xlsx.setColumn(sheet, at, at, columnWidth(table.headers[column]), nullptr);
        xlsx.writeString(sheet, 0, at, table.headers[column].c_str(), bold);
    }
    xlsx.freezePanes(sheet, 1, 0);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t column = 0; column < table.rows[r].size(); ++column) {
            const auto at = static_cast<lxw_col_t>(column);
            const ScheduleCell& cell = table.rows[r][column];
            if (cell.number()) {
                xlsx.writeNumber(sheet, row, at, *cell.number(), nullptr);
            } else if (!cell.text().empty()) {
                xlsx.writeString(sheet, row, at, cell.text().c_str(), nullptr);
            }
        }
    }
}

}  // namespace

void writeXlsxWorkbook(const std::vector<ScheduleTable>& tables, const std::string& path,
                       const std::string& shownPath) {
    const XlsxLibrary& xlsx = xlsxLibrary(shownPath);
    lxw_workbook* workbook = xlsx.newWorkbook(path.c_str());
    if (workbook == nullptr) {
        throw cannotWrite(shownPath, "the workbook could not be started");
    }
    lxw_format* bold = xlsx.addFormat(workbook);
    xlsx.setBold(bold);
    for (const ScheduleTable& table : tables) {
        writeSheet(xlsx, workbook, table, bold);
    }
    const lxw_error error = xlsx.closeWorkbook(workbook);
    if (error != LXW_NO_ERROR) {
        throw cannotWrite(shownPath, xlsx.errorText(error));
    }
}

}  // namespace fp

// XLSX through libxlsxwriter, loaded when the first workbook is written: it brings OpenSSL and
// zlib along, which every other command would otherwise load and bind at its start.
#include "output/xlsx_workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "files/pending_file.h"
#include "output/workbook_check.h"
#include "platform/muted_standard_error.h"
#include "platform/shared_library.h"

namespace fp {
namespace {

// The functions of libxlsxwriter a workbook needs, with the types its header gives them.
struct XlsxLibrary {
    decltype(&workbook_new_opt) newWorkbook;
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

XlsxLibrary loadXlsxLibrary() {
    // Kept loaded until the program ends, as a library linked to it would be.
    void* library = loadSharedLibrary(FRAMEPLAN_XLSX_LIBRARY);
    XlsxLibrary functions;
    lookUpSymbol(library, "workbook_new_opt", functions.newWorkbook);
    lookUpSymbol(library, "workbook_add_format", functions.addFormat);
    lookUpSymbol(library, "format_set_bold", functions.setBold);
    lookUpSymbol(library, "workbook_add_worksheet", functions.addWorksheet);
    lookUpSymbol(library, "worksheet_set_column", functions.setColumn);
    lookUpSymbol(library, "worksheet_write_string", functions.writeString);
    lookUpSymbol(library, "worksheet_write_number", functions.writeNumber);
    lookUpSymbol(library, "worksheet_freeze_panes", functions.freezePanes);
    lookUpSymbol(library, "workbook_close", functions.closeWorkbook);
    lookUpSymbol(library, "lxw_strerror", functions.errorText);
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

// A failure of the library in our words; its own are printed, not returned.
std::string failureText(lxw_error error) {
    switch (error) {
        case LXW_ERROR_MEMORY_MALLOC_FAILED:
            return "not enough memory";
        case LXW_ERROR_CREATING_XLSX_FILE:
            return "the file could not be created";
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
            return "the workbook's working files beside it could not be written";
        case LXW_ERROR_ZIP_FILE_OPERATION:
        case LXW_ERROR_ZIP_FILE_ADD:
        case LXW_ERROR_ZIP_CLOSE:
            return "the file could not be written whole";
        default:
            return std::string("the XLSX library failed (error ") +
                   std::to_string(static_cast<int>(error)) + ")";
    }
}

// Throws the failure of a library call that did not succeed.
void check(lxw_error error, const std::string& shownPath) {
    if (error != LXW_NO_ERROR) {
        throw cannotWrite(shownPath, failureText(error));
    }
}

// What the library made, or the failure of a part it could not make (its working file).
template <typename Part>
Part* made(Part* part, const std::string& shownPath) {
    if (part == nullptr) {
        throw cannotWrite(shownPath, "the workbook's working files beside it could not be written");
    }
    return part;
}

// Writes the sheet's rows, the header included, and counts what it wrote.
class SheetWriter {
  public:
    SheetWriter(const XlsxLibrary& xlsx, lxw_worksheet* sheet, const std::string& name,
                const std::string& shownPath)
        : xlsx_(xlsx), sheet_(sheet), shownPath_(shownPath) {
        written_.name = name;
    }

    void writeRow(const ScheduleRow& cells, lxw_format* format) {
        bool any = false;
        for (std::size_t column = 0; column < cells.size(); ++column) {
            const auto at = static_cast<lxw_col_t>(column);
            const ScheduleCell& cell = cells[column];
            if (cell.number()) {
                check(xlsx_.writeNumber(sheet_, row_, at, *cell.number(), format), shownPath_);
            } else if (!cell.text().empty()) {
                check(xlsx_.writeString(sheet_, row_, at, cellText(cell.text()).c_str(), format),
                      shownPath_);
            } else {
                continue;
            }
            any = true;
            ++written_.cells;
        }
        written_.rows += any ? 1 : 0;
        ++row_;
    }

    lxw_row_t row() const { return row_; }
    const SheetWritten& written() const { return written_; }

  private:
    const XlsxLibrary& xlsx_;
    lxw_worksheet* sheet_;
    const std::string& shownPath_;
    lxw_row_t row_ = 0;
    SheetWritten written_;
};

// The last row of a sheet, counted from 0.
constexpr lxw_row_t kLastRow = LXW_ROW_MAX - 1;

std::string rowsLeftOutText(const ScheduleTable& table, std::uint64_t count) {
    return table.rowsLeftOut ? table.rowsLeftOut(count)
                             : std::to_string(count) + " more rows do not fit in this sheet.";
}

SheetWritten writeSheet(const XlsxLibrary& xlsx, lxw_workbook* workbook, const ScheduleTable& table,
                        lxw_format* bold, const std::string& shownPath) {
    lxw_worksheet* sheet = made(xlsx.addWorksheet(workbook, table.name.c_str()), shownPath);
    SheetWriter writer(xlsx, sheet, table.name, shownPath);
    ScheduleRow headers;
    for (std::size_t column = 0; column < table.headers.size(); ++column) {
        const auto at = static_cast<lxw_col_t>(column);
        check(xlsx.setColumn(sheet, at, at, columnWidth(table.headers[column]), nullptr),
              shownPath);
        headers.emplace_back(table.headers[column]);
    }
    writer.writeRow(headers, bold);
    xlsx.freezePanes(sheet, 1, 0);
    // The sheet's last row is held back: it is written as it came when no row follows it, and
    // otherwise tells how many rows were left out.
    ScheduleRow last;
    std::uint64_t leftOut = 0;
    table.forEachRow([&](const ScheduleRow& cells) {
        if (writer.row() < kLastRow) {
            writer.writeRow(cells, nullptr);
        } else if (++leftOut == 1) {
            last = cells;
        }
    });
    if (leftOut == 1) {
        writer.writeRow(last, nullptr);
    } else if (leftOut > 1) {
        writer.writeRow({ScheduleCell(rowsLeftOutText(table, leftOut))}, nullptr);
    }
    return writer.written();
}

// The library's working files go beside the workbook, where its room is known to be, rather
// than to the system's temporary folder.
std::string folderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

}  // namespace

std::string cellText(const std::string& utf8) {
    std::string text;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const bool starts = (byte & 0xC0) != 0x80;
        if (starts && ++characters == kLongestCellText && i + 1 < utf8.size()) {
            // The last character a cell holds, unless it is the text's last.
            std::size_t next = i + 1;
            while (next < utf8.size() && (static_cast<unsigned char>(utf8[next]) & 0xC0) == 0x80) {
                ++next;
            }
            if (next < utf8.size()) {
                return text + "\u2026";
            }
        }
        // A NUL would end the library's C string; the other control characters but tab and LF
        // it would write in an escape few programs read back.
        if (byte < 0x20 && byte != '\t' && byte != '\n') {
            text += "\uFFFD";
        } else {
            text += utf8[i];
        }
    }
    return text;
}

void writeXlsxWorkbook(const std::vector<ScheduleTable>& tables, const std::string& path,
                       const std::string& shownPath) {
    const XlsxLibrary& xlsx = xlsxLibrary(shownPath);
    // Its failures are told by what it returns; what it prints would reach the user raw.
    const MutedStandardError muted;
    std::string folder = folderOf(path);
    // Row by row: the rows written are not held, so memory does not grow with the schedule.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = folder.data();
    lxw_workbook* workbook = xlsx.newWorkbook(path.c_str(), &options);
    if (workbook == nullptr) {
        throw cannotWrite(shownPath, "the workbook could not be started");
    }
    std::vector<SheetWritten> sheets;
    try {
        lxw_format* bold = made(xlsx.addFormat(workbook), shownPath);
        xlsx.setBold(bold);
        for (const ScheduleTable& table : tables) {
            sheets.push_back(writeSheet(xlsx, workbook, table, bold, shownPath));
        }
    } catch (const FileWriteError&) {
        xlsx.closeWorkbook(workbook);
        throw;
    }
    check(xlsx.closeWorkbook(workbook), shownPath);
    checkWorkbookWhole(path, sheets, shownPath);
}

}  // namespace fp

// Schedule files: XLSX, or one CSV per table.
#include "output/schedule_files.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "files/file_names.h"
#include "files/input_guard.h"
#include "files/pending_file.h"
#include "output/takedown_schedule.h"
#include "output/xlsx_workbook.h"
#include "schedule/csv_table.h"

namespace fp {
namespace {

// "loads.csv" and "Panels" give "loads-panels.csv".
std::string csvPath(const std::string& path, const std::string& table) {
    std::string suffix = "-" + table;
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return withSuffixBeforeExtension(path, suffix);
}

constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

void checkSchedulePath(const std::string& path) {
    const std::string extension = extensionOf(path);
    if (extension != "xlsx" && extension != "csv") {
        throw std::invalid_argument("schedule: cannot tell the format from \"" + path +
                                    "\"; end it in .xlsx or .csv");
    }
}

std::vector<std::string> writeSchedule(const ListingDocument& document, const std::string& path,
                                       const std::vector<Finding>* findings,
                                       bool csvByteOrderMark) {
    checkSchedulePath(path);
    const bool workbook = extensionOf(path) == "xlsx";
    refuseOutputsOverInputs(
        workbook ? std::vector<std::string>{path}
                 : std::vector<std::string>{csvPath(path, "Panels"), csvPath(path, "Beams"),
                                            csvPath(path, "Takedown")},
        {document.name});
    const Takedown& takedown = documentTakedown(document);
    std::vector<ScheduleTable> tables = loadSchedules(document);
    tables.push_back(takedownSchedule(document, takedown));
    PendingFiles files;
    if (workbook) {
        if (findings != nullptr) {
            tables.push_back(checkSchedule(document, *findings));
        }
        writeXlsxWorkbook(tables, files.add(path).temporaryPath(), path);
        return files.commitAll();
    }
    for (const ScheduleTable& table : tables) {
        writeThrough(files.add(csvPath(path, table.name)),
                     [&table, csvByteOrderMark](std::ostream& out) {
                         if (csvByteOrderMark) {
                             out << kUtf8ByteOrderMark;
                         }
                         writeCsvTable(out, table);
                     });
    }
    return files.commitAll();
}

}  // namespace fp

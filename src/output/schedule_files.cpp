// Schedule files: XLSX, or one CSV per table.
#include "output/schedule_files.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

#include "files/file_names.h"
#include "files/pending_file.h"
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

std::string csvText(const ScheduleTable& table) {
    std::ostringstream text;
    writeCsvTable(text, table);
    return text.str();
}

}  // namespace

void checkSchedulePath(const std::string& path) {
    const std::string extension = extensionOf(path);
    if (extension != "xlsx" && extension != "csv") {
        throw std::invalid_argument("schedule: cannot tell the format from \"" + path +
                                    "\"; end it in .xlsx or .csv");
    }
}

std::vector<std::string> writeSchedule(const ListingDocument& document, const std::string& path,
                                       const std::vector<Finding>* findings) {
    checkSchedulePath(path);
    std::vector<ScheduleTable> tables = loadSchedules(document);
    if (extensionOf(path) == "xlsx") {
        if (findings != nullptr) {
            tables.push_back(checkSchedule(document, *findings));
        }
        PendingFile workbook(path);
        writeXlsxWorkbook(tables, workbook.temporaryPath(), path);
        workbook.commit();
        return {path};
    }
    std::vector<FileBytes> files;
    for (const ScheduleTable& table : tables) {
        files.push_back({csvPath(path, table.name), csvText(table)});
    }
    return writeWhole(files);
}

}  // namespace fp

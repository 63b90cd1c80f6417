// Schedule files: XLSX, or one CSV per table.
#include "cli/schedule_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "cli/xlsx_workbook.h"
#include "files/pending_file.h"
#include "schedule/csv_table.h"

namespace fp {
namespace {

bool endsWith(const std::string& path, const std::string& ending) {
    if (path.size() < ending.size()) {
        return false;
    }
    return std::equal(
        ending.begin(), ending.end(), path.end() - static_cast<long>(ending.size()),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// "loads.csv" and "Panels" give "loads-panels.csv".
std::string csvPath(const std::string& path, const std::string& table) {
    std::string suffix = table;
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return path.substr(0, path.size() - 4) + "-" + suffix + path.substr(path.size() - 4);
}

void writeCsvFile(const ScheduleTable& table, PendingFile& file) {
    std::ofstream out(std::filesystem::path(file.temporaryPath()), std::ios::binary);
    if (!out.is_open()) {
        throw cannotWrite(file.path(), "the file could not be created");
    }
    writeCsvTable(out, table);
    out.close();
    if (!out) {
        throw cannotWrite(file.path(), "the file could not be written whole");
    }
}

}  // namespace

void checkSchedulePath(const std::string& path) {
    if (!endsWith(path, ".xlsx") && !endsWith(path, ".csv")) {
        throw std::invalid_argument("schedule: cannot tell the format from \"" + path +
                                    "\"; end it in .xlsx or .csv");
    }
}

std::vector<std::string> writeSchedule(const ListingDocument& document, const std::string& path) {
    checkSchedulePath(path);
    const bool xlsx = endsWith(path, ".xlsx");
    const std::vector<ScheduleTable> tables = loadSchedules(document);
    PendingFiles files;
    if (xlsx) {
        writeXlsxWorkbook(tables, files.add(path).temporaryPath(), path);
    } else {
        for (const ScheduleTable& table : tables) {
            writeCsvFile(table, files.add(csvPath(path, table.name)));
        }
    }
    return files.commitAll();
}

}  // namespace fp

// Schedule tables as an XLSX workbook (libxlsxwriter).
#pragma once

#include <string>
#include <vector>

#include "schedule/schedule_tables.h"

namespace fp {

// One sheet per table, named after it: a bold header row that stays in view (frozen), numbers as
// numbers, texts as texts, empty cells left empty. Writes the file at `path`; one that cannot be
// written throws FileWriteError naming `shownPath`.
void writeXlsxWorkbook(const std::vector<ScheduleTable>& tables, const std::string& path,
                       const std::string& shownPath);

}  // namespace fp

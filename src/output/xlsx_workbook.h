// Schedule tables as an XLSX workbook (libxlsxwriter).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "schedule/schedule_tables.h"

namespace fp {

// The most characters a cell holds.
inline constexpr std::size_t kLongestCellText = 32767;

// UTF-8 text as a cell holds it: each control character but tab and LF as the replacement
// character, and cut to kLongestCellText characters, the last an ellipsis, when it is longer.
std::string cellText(const std::string& utf8);

// One sheet per table, named after it: a bold header row that stays in view (frozen), numbers as
// numbers, texts as texts, empty cells left empty. Writes the file at `path`, with the library's
// working files beside it; one that cannot be written throws FileWriteError naming `shownPath`
// and saying why in the program's words (the library's own messages are kept from standard
// error).
void writeXlsxWorkbook(const std::vector<ScheduleTable>& tables, const std::string& path,
                       const std::string& shownPath);

}  // namespace fp

// A workbook read back whole before it counts as written. libxlsxwriter writes each sheet to a
// working file first and does not notice when that write fails: on a full disk it packs the
// sheet cut short, mid-cell, into a package whose every member has a right checksum, and says
// it succeeded. Only reading the package back, part by part, tells.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fp {

// What was written into one sheet: its rows holding at least one cell, and its cells.
struct SheetWritten {
    std::string name;
    std::uint64_t rows = 0;
    std::uint64_t cells = 0;
};

// Throws FileWriteError naming `shownPath` unless the workbook at `path` reads back whole: every
// member of the package unzips with its checksum (through minizip, the zip library
// libxlsxwriter itself uses), every part [Content_Types].xml names is there, and the sheets, in
// order, hold the rows and cells written and end as a sheet ends.
void checkWorkbookWhole(const std::string& path, const std::vector<SheetWritten>& sheets,
                        const std::string& shownPath);

}  // namespace fp

// "frameplan schedule": the load schedules of a listing written for spreadsheets.
#pragma once

#include <string>
#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

namespace fp {

// Throws std::invalid_argument, with a message for the user, unless `path` ends in ".xlsx" or
// ".csv".
void checkSchedulePath(const std::string& path);

// Writes the panel, beam and takedown schedules of `document`: to `path` as one XLSX workbook
// with a sheet each, and with `findings` a fourth, Checks, when it ends in ".xlsx"; when it ends
// in ".csv", to one CSV file per schedule named after it ("loads.csv" gives "loads-panels.csv",
// "loads-beams.csv" and "loads-takedown.csv"). Returns the paths written. Any other ending throws
// std::invalid_argument; a file that cannot be written, FileWriteError. A level past a drawing
// limit is left out. Files are put in place only once all are whole, so a failure leaves none
// behind. CSV files start with the UTF-8 byte-order mark unless `csvByteOrderMark` is false:
// without it spreadsheet programs read "m²" in their own code page.
std::vector<std::string> writeSchedule(const ListingDocument& document, const std::string& path,
                                       const std::vector<Finding>* findings = nullptr,
                                       bool csvByteOrderMark = true);

}  // namespace fp

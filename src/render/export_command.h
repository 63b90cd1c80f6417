// "frameplan export": reads a listing and writes level plans to PNG, SVG or PDF files.
#pragma once

#include <ostream>

#include "cli/export_options.h"

namespace fp {

// Reads the listing and writes the plans the options ask for. Names the files written on `out`;
// the reader's messages and failures go to `err`. Returns 0, or 2 when it failed.
int runExport(const ExportOptions& options, std::ostream& out, std::ostream& err);

}  // namespace fp

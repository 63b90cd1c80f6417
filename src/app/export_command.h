// "frameplan export": reads a listing and writes level plans to PNG, SVG or PDF files.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace fp {

// Runs the command on the arguments that follow "export". Names the files written on `out`;
// messages of the reader and failures go to `err`. Returns 0, or 2 when the run ended.
int runExportCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err);

}  // namespace fp

// The command line: dump and info of a listing here; export and the window through hooks, since
// they need the Qt libraries that dump and info do without.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "output/compare_request.h"
#include "output/exit_status.h"
#include "output/export_request.h"

namespace fp {

struct CommandLineHooks {
    // Writes the plans the request asks for; returns the exit status.
    std::function<int(const ExportRequest&)> exportPlans;
    // Opens the window on the listing, or asks for one when it is empty; returns the exit status.
    std::function<int(const std::string& listing)> openWindow;
    // Writes the PDF of a comparison; returns the exit status.
    std::function<int(const CompareRequest&)> comparePlans = {};
};

// Runs the command the arguments (those after the program's name) ask for. Output goes to `out`,
// messages and failures to `err`. Returns 0, or 2 for bad arguments or a failure.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const CommandLineHooks& hooks);

}  // namespace fp

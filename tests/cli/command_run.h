// The command line run in-process, the window and the export replaced by hooks that answer 9:
// its exit status and what it wrote.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace fp::testing {

struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

inline CommandRun runCommand(const std::vector<std::string>& arguments) {
    const CommandLineHooks hooks{[](const ExportRequest&) { return 9; },
                                 [](const std::string&) { return 9; }};
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(arguments, out, err, hooks);
    return {status, out.str(), err.str()};
}

}  // namespace fp::testing

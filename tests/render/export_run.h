// Test helper: "frameplan export" run in this process, as frameplan-gui runs it.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "render/export_command.h"

namespace fp::testing {

struct ExportOutcome {
    int status;
    std::string out;
    std::string err;
};

// The command line of "frameplan export" with the arguments after "export".
inline ExportOutcome exportCommand(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "export");
    std::ostringstream out;
    std::ostringstream err;
    const CommandLineHooks hooks{
        [&](const ExportRequest& options) { return runExport(options, out, err); },
        [](const std::string&) {
            ADD_FAILURE() << "the export opened the window";
            return 0;
        }};
    const int status = runCommandLine(arguments, out, err, hooks);
    return {status, out.str(), err.str()};
}

}  // namespace fp::testing

// frameplan-gui: the window and the export, which draw with Qt. The frameplan command hands
// them over; dump and info work here too, the same as there.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/terminal_text.h"
#include "render/compare_command.h"
#include "render/export_command.h"
#include "window/window_main.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const fp::CommandLineHooks hooks{
        [](const fp::ExportRequest& options) {
            return fp::runExport(options, std::cout, std::cerr);
        },
        [argc, argv](const std::string& listing) { return fp::runWindow(argc, argv, listing); },
        [](const fp::CompareRequest& request) {
            return fp::runComparePdf(request, std::cout, std::cerr);
        }};
    const fp::TerminalText terminal(std::cout, std::cerr);
    return fp::runCommandLine(arguments, std::cout, std::cerr, hooks);
}

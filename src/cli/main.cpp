// frameplan: the command line, and the way into the window.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/gui_program.h"
#include "cli/terminal_text.h"
#include "output/exit_status.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const fp::CommandLineHooks hooks{
        [argv](const fp::ExportRequest&) { return fp::runGuiProgram(argv); },
        [argv](const std::string&) { return fp::runGuiProgram(argv); },
        [argv](const fp::CompareRequest&) { return fp::runGuiProgram(argv); }};
    const fp::TerminalText terminal(std::cout, std::cerr);
    try {
        return fp::runCommandLine(arguments, std::cout, std::cerr, hooks);
    } catch (const std::bad_alloc&) {
        // A listing at every limit needs far less; this is a machine short of memory.
        std::cerr << "frameplan: not enough memory. Close other programs and try again.\n";
        return fp::kFailureStatus;
    }
}

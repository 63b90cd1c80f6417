// Handing the command line to frameplan-gui.
#include "cli/gui_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "output/exit_status.h"

namespace fp {
namespace {

std::filesystem::path guiProgramPath(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        self = argv0;
    }
    return self.parent_path() / "frameplan-gui";
}

}  // namespace

int runGuiProgram(char** argv) {
    const std::string program = guiProgramPath(argv[0]).string();
    std::cout.flush();
    std::cerr.flush();
    ::execv(program.c_str(), argv);
    std::cerr << "frameplan: cannot start " << program << ": " << std::strerror(errno) << "\n";
    return kFailureStatus;
}

}  // namespace fp

// Handing the command line to frameplan-gui.
#include "cli/gui_program.h"

#include <iostream>
#include <system_error>

#include "output/exit_status.h"
#include "platform/own_program_file.h"
#include "platform/program_handover.h"

namespace fp {
namespace {

const std::filesystem::path kGuiProgram = FRAMEPLAN_GUI_PROGRAM;

// The libexec folder as seen from the folder frameplan is installed in ("../libexec/frameplan").
const std::filesystem::path kGuiFolderFromProgram = FRAMEPLAN_GUI_FOLDER_FROM_PROGRAM;

}  // namespace

std::optional<std::filesystem::path> findGuiProgram(const std::filesystem::path& ownFile) {
    const std::filesystem::path folder = ownFile.parent_path();
    for (const std::filesystem::path& candidate :
         {folder / kGuiProgram,
          (folder / kGuiFolderFromProgram / kGuiProgram).lexically_normal()}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return std::nullopt;
}

int runGuiProgram(char** argv) {
    const std::filesystem::path ownFile = ownProgramFile();
    if (ownFile.empty()) {
        std::cerr << "frameplan: cannot tell where frameplan is installed on this system, so "
                     "cannot start "
                  << kGuiProgram.string() << " for the window and the export\n";
        return kFailureStatus;
    }
    const std::optional<std::filesystem::path> program = findGuiProgram(ownFile);
    if (!program) {
        const std::filesystem::path folder = ownFile.parent_path();
        std::cerr << "frameplan: cannot find " << kGuiProgram.string() << " beside "
                  << ownFile.string() << " or in "
                  << (folder / kGuiFolderFromProgram).lexically_normal().string()
                  << "; the window and the export need it. Install FramePlan again.\n";
        return kFailureStatus;
    }
    try {
        return handOverTo(*program, argv);
    } catch (const std::system_error& failure) {
        std::cerr << "frameplan: cannot start " << program->string() << ": "
                  << failure.code().message() << "\n";
        return kFailureStatus;
    }
}

}  // namespace fp

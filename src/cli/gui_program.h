// The window and the export draw with Qt; they run in the companion program frameplan-gui, so
// that dump and info start without loading the Qt libraries.
#pragma once

#include <filesystem>
#include <optional>

namespace fp {

// Where frameplan-gui is looked for, in order, for the frameplan whose file is `ownFile`: beside
// it (the build folder) and in the installation's libexec folder, found from frameplan's own
// folder so that an installation works under any prefix. Never the current folder.
std::optional<std::filesystem::path> findGuiProgram(const std::filesystem::path& ownFile);

// Hands the run to frameplan-gui with the same arguments. Returns only when that fails, with the
// exit status, after saying why on stderr; on Windows, with frameplan-gui's exit status.
int runGuiProgram(char** argv);

}  // namespace fp

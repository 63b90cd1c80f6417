// Where the running program's own file lies, which only the system can tell: the command line
// looks for its companion programs there, never in the folder it happens to be started from.
#pragma once

#include <filesystem>

namespace fp {

// The absolute path of the running program's file; empty on a system that cannot tell (only
// Linux and Windows are asked).
std::filesystem::path ownProgramFile();

}  // namespace fp

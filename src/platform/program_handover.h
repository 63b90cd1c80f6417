// Handing the whole run to another program with the same arguments, as the command line does
// with the window and the export.
#pragma once

#include <filesystem>

namespace fp {

// Runs `program` with the arguments this process was given (`argv`, as main received it). On
// POSIX systems the process becomes `program`, so this returns only when that fails; Windows has
// no such call, so there `program` runs as a child on the same console and its exit status is
// returned. A program that cannot be started throws std::system_error with the system's reason.
int handOverTo(const std::filesystem::path& program, char** argv);

}  // namespace fp

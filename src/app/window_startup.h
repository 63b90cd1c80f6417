// Runs the window's start-up and turns a run that ends there into the program's exit status.
#pragma once

#include <optional>

#include "app/group_window.h"
#include "reader/platform_services.h"

namespace fp {

// Nothing when the window is open and waits for its events; otherwise the exit status: 0 when
// the user cancelled the dialog, non-zero after the message of a listing that ends the run.
std::optional<int> startWindow(Group& window, PlatformServices& services);

}  // namespace fp

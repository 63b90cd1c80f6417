// Opens the window: on the listing named on the command line, or on one the user chooses.
#pragma once

#include <string>

namespace fp {

// Runs the window until it is closed; returns the exit status. A cancelled dialog ends quietly
// (0); a listing that cannot be read shows its message and ends with 2.
int runWindow(int argc, char** argv, const std::string& listing);

}  // namespace fp

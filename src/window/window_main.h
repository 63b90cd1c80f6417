// Opens the window: on the listing named on the command line, or on one the user chooses.
#pragma once

#include <string>

namespace fp {

// Runs the window until it is closed; returns the exit status. Without a listing it asks for
// one: a cancelled dialog ends quietly (0), and a listing that cannot be read shows its message
// and asks again. A listing named on the command line that cannot be read shows its message and
// ends the run with 2, as scripts expect.
int runWindow(int argc, char** argv, const std::string& listing);

}  // namespace fp

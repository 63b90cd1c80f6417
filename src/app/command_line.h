// The command line: dump, info and export of a listing without the window.
#pragma once

namespace fp {

// True when the arguments name a command ("dump", "info", "export") or an option such as
// "--help"; a lone path (or nothing) opens the window.
bool isCommandLineInvocation(int argc, char** argv);

// Runs the command; returns the exit status (2 for a run-ending failure or bad arguments).
int runCommandLine(int argc, char** argv);

}  // namespace fp

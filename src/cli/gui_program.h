// The window and the export draw with Qt; they run in the companion program frameplan-gui, so
// that dump and info start without loading the Qt libraries.
#pragma once

namespace fp {

// Replaces this process with frameplan-gui, installed beside this program, given the same
// arguments. Returns only when that fails, with the exit status, after saying why on stderr.
int runGuiProgram(char** argv);

}  // namespace fp

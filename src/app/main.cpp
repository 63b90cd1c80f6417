// FramePlan's entry point: the window, or the command line when a command is named.
#include "app/command_line.h"
#include "app/window_main.h"

int main(int argc, char** argv) {
    if (fp::isCommandLineInvocation(argc, argv)) {
        return fp::runCommandLine(argc, argv);
    }
    return fp::runWindow(argc, argv);
}

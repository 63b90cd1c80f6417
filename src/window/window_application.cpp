// Ends the run on a failure raised while an event is handled.
#include "window/window_application.h"

#include <exception>

#include "cli/command_line.h"
#include "window/message_boxes.h"

namespace fp {

WindowApplication::WindowApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool WindowApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        // A level with more beams than the pick boxes hold, for one; the model stays intact but
        // the plan cannot be shown, so the run ends as it does for a listing it cannot hold.
        showMessageBox(activeWindow(), failure.what());
        exit(kFailureStatus);
        return false;
    }
}

}  // namespace fp

// Opens the window: on the listing named on the command line, or on one the user chooses.
#include "window/window_main.h"

#include <QFile>
#include <QtGlobal>
#include <iostream>
#include <string_view>

#include "cli/command_line.h"
#include "document/listing_document.h"
#include "model/listing_error.h"
#include "window/listing_dialog.h"
#include "window/message_boxes.h"
#include "window/plan_window.h"
#include "window/twips_scale.h"
#include "window/window_application.h"

namespace fp {
namespace {

// Where X11 or Wayland is the only way to a screen, Qt aborts when neither is reachable and no
// other platform was asked for; that is told plainly before Qt is started.
bool noDisplayReachable(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return false;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "-platform") {
            return false;
        }
    }
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    (void)argc;
    (void)argv;
    return false;
#endif
}

}  // namespace

int runWindow(int argc, char** argv, const std::string& listing) {
    if (noDisplayReachable(argc, argv)) {
        std::cerr << "frameplan: no display is available (DISPLAY and WAYLAND_DISPLAY are empty), "
                     "so the window cannot open. \"frameplan export LISTING -o plans.pdf --level "
                     "all\" draws the plans without one.\n";
        return kFailureStatus;
    }
    WindowApplication application(argc, argv);
    WindowApplication::setApplicationName(kProgramTitle);
    MessageBoxes messages;

    const std::string path = listing.empty() ? chooseListing(nullptr) : listing;
    if (path.empty()) {
        return 0;
    }
    PlanWindow window(TwipsScale::ofScreen());
    messages.setWindow(window);
    QObject::connect(&window, &PlanWindow::beamPicked, &window,
                     [&window](int serial) { showMessageBox(&window, std::to_string(serial)); });
    window.setWindowTitle(QFile::decodeName(QByteArray::fromStdString(path)));
    try {
        window.showDocument(openListing(path, messages));
    } catch (const ListingError& failure) {
        showMessageBox(nullptr, failure.what());
        return kFailureStatus;
    }
    return application.exec();
}

}  // namespace fp

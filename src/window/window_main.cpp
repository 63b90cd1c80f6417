// Opens the window: on the listing named on the command line, or on one the user chooses.
#include "window/window_main.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QtGlobal>
#include <iostream>
#include <string_view>

#include "files/file_notices.h"
#include "output/exit_status.h"
#include "window/main_window.h"
#include "window/message_boxes.h"

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
    QApplication application(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    QApplication::setOrganizationName(kProgramTitle);
    // The installed menu entry's name: the desktop shows the window under its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.frameplan.FramePlan"));

    const QString start = QFile::decodeName(QByteArray::fromStdString(listing));
    MainWindow window(start);
    QObject::connect(&window, &MainWindow::runEnded, &application,
                     [](int status) { QCoreApplication::exit(status); });
    // A set of files an earlier run left half-done, found while a listing is read (on a thread
    // of its own) or a file is written, is told as any other message.
    const FileNoticeScope notices([&window](const std::string& text) {
        QMetaObject::invokeMethod(
            &window, [&window, text] { window.showMessage(text); }, Qt::QueuedConnection);
    });
    window.show();
    if (listing.empty()) {
        // Inside the event loop, so that a run ended at once (a cancelled dialog) ends it.
        QTimer::singleShot(0, &window,
                           [&window] { window.askForListing(MainWindow::OnFailure::AskAgain); });
    }
    return application.exec();
}

}  // namespace fp

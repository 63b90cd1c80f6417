// Starts the window: "frameplan" asks for a listing, "frameplan LISTING" opens that one.
#include "app/window_main.h"

#include <QtGlobal>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include "app/group_window.h"
#include "app/twips_scale.h"
#include "app/window_application.h"
#include "app/window_services.h"
#include "app/window_startup.h"
#include "model/model_store.h"

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

int runWindow(int argc, char** argv) {
    if (noDisplayReachable(argc, argv)) {
        std::cerr << "frameplan: no display is available (DISPLAY and WAYLAND_DISPLAY are empty), "
                     "so the window cannot open. \"frameplan export LISTING -o plans.pdf --level "
                     "all\" draws the plans without one.\n";
        return WindowApplication::kFailureStatus;
    }
    WindowApplication application(argc, argv);
    WindowApplication::setApplicationName(kProgramTitle);
    WindowServices services(argc > 1 ? argv[1] : "");
    application.setServices(services);

    const std::unique_ptr<ModelStore> model = makeModelStore();
    Group window(*model, services, TwipsScale::ofScreen());
    services.setWindow(window);
    if (const std::optional<int> ended = startWindow(window, services)) {
        return *ended;
    }
    return application.exec();
}

}  // namespace fp

// Starts the window: "frameplan" asks for a listing, "frameplan LISTING" opens that one.
#include "app/window_main.h"

#include <exception>
#include <string>

#include "app/group_window.h"
#include "app/twips_scale.h"
#include "app/window_application.h"
#include "app/window_services.h"
#include "model/model_store.h"
#include "reader/run_ended.h"

namespace fp {

int runWindow(int argc, char** argv) {
    WindowApplication application(argc, argv);
    WindowApplication::setApplicationName(kProgramTitle);
    WindowServices services(argc > 1 ? argv[1] : "");
    application.setServices(services);

    const std::unique_ptr<ModelStore> model = makeModelStore();
    Group window(*model, services, TwipsScale::ofScreen());
    services.setWindow(window);
    try {
        window.Form_Load();
    } catch (const RunEnded& ended) {
        // A cancelled dialog ends quietly; otherwise the user has been told why.
        return ended.reason() == RunEnded::Reason::Cancelled ? 0
                                                             : WindowApplication::kFailureStatus;
    } catch (const std::exception& failure) {
        window.hide();
        services.showMessage(failure.what());
        return WindowApplication::kFailureStatus;
    }
    return application.exec();
}

}  // namespace fp

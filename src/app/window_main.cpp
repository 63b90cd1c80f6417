// Starts the window: "frameplan" asks for a listing, "frameplan LISTING" opens that one.
#include "app/window_main.h"

#include <memory>
#include <optional>

#include "app/group_window.h"
#include "app/twips_scale.h"
#include "app/window_application.h"
#include "app/window_services.h"
#include "app/window_startup.h"
#include "model/model_store.h"

namespace fp {

int runWindow(int argc, char** argv) {
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

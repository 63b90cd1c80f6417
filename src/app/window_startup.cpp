// The window's start-up and the ways a run can end in it.
#include "app/window_startup.h"

#include <exception>

#include "app/window_application.h"
#include "reader/run_ended.h"

namespace fp {

std::optional<int> startWindow(Group& window, PlatformServices& services) {
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
    return std::nullopt;
}

}  // namespace fp

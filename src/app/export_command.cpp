// The export command: options, the listing read as at start-up, then the plans written.
#include "app/export_command.h"

#include <QGuiApplication>
#include <memory>
#include <stdexcept>

#include "app/cli_services.h"
#include "app/decimal_separator.h"
#include "app/export_options.h"
#include "app/plan_export.h"
#include "model/run_error.h"
#include "reader/run_ended.h"
#include "reader/startup_load.h"

namespace fp {

namespace {

constexpr int kRunEnded = 2;

// Fonts and images need a Qt application; the command line has none of its own. Without a
// display the plans are drawn offscreen.
std::unique_ptr<QGuiApplication> guiApplicationIfNone() {
    if (QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "frameplan";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int runExportCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    const auto application = guiApplicationIfNone();
    try {
        const ExportOptions options = parseExportOptions(arguments);
        auto model = makeModelStore();
        CommandLineServices services(options.listing, &err);
        ListingReading reading;
        LoadAsStartUpDoes(*model, services, reading);
        for (const std::string& path : exportPlans(*model, options, userDecimalSeparator())) {
            out << "Wrote " << path << '\n';
        }
        return 0;
    } catch (const std::invalid_argument& error) {
        err << "frameplan " << error.what() << '\n';
    } catch (const RunEndingError& error) {
        err << "frameplan: " << error.what() << '\n';
    } catch (const RunEnded&) {
        // The reader has shown its message on the error stream already.
    }
    return kRunEnded;
}

}  // namespace fp

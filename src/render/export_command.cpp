// The export command: the listing read whole, then the plans written.
#include "render/export_command.h"

#include <QGuiApplication>
#include <memory>
#include <new>

#include "document/listing_document.h"
#include "model/listing_error.h"
#include "output/exit_status.h"
#include "output/stream_messages.h"
#include "render/decimal_separator.h"
#include "render/plan_pages.h"

namespace fp {

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

int runExport(const ExportRequest& request, std::ostream& out, std::ostream& err) {
    const auto application = guiApplicationIfNone();
    try {
        StreamMessages messages(&err);
        const ListingDocument document = openListing(request.listing, messages);
        ExportRequest withSeparator = request;
        withSeparator.view.decimalSeparator = userDecimalSeparator();
        for (const std::string& path : exportPlans(document, withSeparator)) {
            out << "Wrote " << path << '\n';
        }
        out.flush();
        return out ? 0 : kFailureStatus;
    } catch (const ListingError& error) {
        err << "frameplan: " << error.inListing(request.listing).what() << '\n';
    } catch (const FileWriteError& error) {
        err << "frameplan: " << error.what() << '\n';
    } catch (const std::bad_alloc&) {
        err << "frameplan: not enough memory to export " << request.output
            << ". Try a smaller --size or fewer levels at once.\n";
    }
    return kFailureStatus;
}

}  // namespace fp

// The compare PDF: both listings read whole and compared, then the pages written.
#include "render/compare_command.h"

#include "files/pending_file.h"
#include "model/listing_error.h"
#include "output/exit_status.h"
#include "render/compare_pages.h"
#include "render/export_command.h"

namespace fp {

int runComparePdf(const CompareRequest& request, std::ostream& out, std::ostream& err) {
    const auto application = guiApplicationIfNone();
    const std::optional<ComparedListings> compared = compareRequested(request, err);
    if (!compared) {
        return kFailureStatus;
    }
    try {
        writeComparePdf(compared->after, compared->comparison, request.pdf,
                        startUpView(compared->after));
    } catch (const ListingError& failure) {
        err << "frameplan: " << failure.what() << '\n';
        return kFailureStatus;
    } catch (const FileWriteError& failure) {
        err << "frameplan: " << failure.what() << '\n';
        return kFailureStatus;
    }
    out << "Wrote " << request.pdf << '\n';
    out.flush();
    if (!out) {
        return kFailureStatus;
    }
    return compared->comparison.same() ? 0 : 1;
}

}  // namespace fp

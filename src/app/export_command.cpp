// The export command: options, the listing read as at start-up, then the plans written.
#include "app/export_command.h"

#include <stdexcept>

#include "app/decimal_separator.h"
#include "app/export_options.h"
#include "app/plan_export.h"
#include "grid/grid_derivation.h"
#include "model/run_error.h"
#include "reader/listing_reader.h"
#include "reader/run_ended.h"
#include "reader/startup_texts.h"

namespace fp {

namespace {

constexpr int kRunEnded = 2;

// The listing is the one named on the command line; messages go to the error stream.
class ExportServices : public PlatformServices {
  public:
    ExportServices(std::string listing, std::ostream& err)
        : listing_(std::move(listing)), err_(err) {}

    std::string chooseListingFile(const std::string&) override { return listing_; }
    void setCaption(const std::string&) override {}
    void showMessage(const std::string& text) override { err_ << text << '\n'; }

  private:
    std::string listing_;
    std::ostream& err_;
};

}  // namespace

int runExportCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    try {
        const ExportOptions options = parseExportOptions(arguments);
        auto model = makeModelStore();
        ExportServices services(options.listing, err);
        ListingReading reading;
        ReadListing(*model, services, reading);
        SortLoadValueLists(*model);
        DeriveFrames(*model);
        for (const std::string& path : exportPlans(*model, options, userDecimalSeparator())) {
            out << "Wrote " << path << '\n';
        }
        return 0;
    } catch (const std::invalid_argument& error) {
        err << error.what() << '\n';
    } catch (const RunEndingError& error) {
        err << error.what() << '\n';
    } catch (const RunEnded& ended) {
        if (ended.reason() == RunEnded::Reason::Cancelled) {
            err << ended.what() << '\n';
        }
    }
    return kRunEnded;
}

}  // namespace fp

// Reads an analysis listing into the model store, in four passes.
#include "reader/listing_reader.h"

#include "grid/grid_derivation.h"
#include "reader/listing_passes.h"
#include "reader/run_ended.h"
#include "reader/side_by_side_scan.h"

namespace fp {
namespace {

// A failure that does not name the listing yet is told where it happened.
RunEndingError inListing(const RunEndingError& failure, const ListingReading& reading, long line) {
    const std::string& name = reading.ListingFileName;
    std::string statement = failure.statement();
    if (statement.find(name) == std::string::npos) {
        statement += " in \"" + name + "\"";
    }
    return RunEndingError(statement, failure.advice(), failure.line() > 0 ? failure.line() : line);
}

// Runs one step; a failure is tied to the listing and to the line last read.
template <typename Step>
void located(ListingReading& reading, Step step) {
    try {
        step();
    } catch (const RunEndingError& failure) {
        throw inListing(failure, reading, reading.lineNumber());
    }
}

}  // namespace

void ReadListing(ModelStore& model, PlatformServices& services, ListingReading& reading) {
    reading.ListingFileName = services.chooseListingFile(kListingFilter);
    if (reading.ListingFileName.empty()) {
        throw RunEnded(RunEnded::Reason::Cancelled);
    }
    services.setCaption(reading.ListingFileName);

    reading.open();
    located(reading, [&] {
        ReadUnits(reading, services);
        ReadJoints(model, reading);
        ReadMembers(model, reading);
    });
    try {
        BuildGrid(model);
    } catch (const RunEndingError& failure) {
        throw inListing(failure, reading, 0);
    }
    reading.close();

    try {
        ReadLoadsAndDesigns(model, reading, services);
    } catch (const RunEndingError& failure) {
        throw inListing(failure, reading, 0);
    }

    OrientMembers(model);
}

}  // namespace fp

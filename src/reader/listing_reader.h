// Reads an analysis listing into the model store in four passes: units, joints and members;
// floor loads; beam designs; member loads. The last three share one reading of the file.
#pragma once

#include "model/model_store.h"
#include "reader/listing_reading.h"
#include "reader/platform_services.h"

namespace fp {

// The filter the file-open dialog offers.
inline constexpr const char* kListingFilter = "Analysis Files(*.ANL)|*.ANL|All Files(*.*)|*.*";

// Asks `services` for the listing, shows its path as the caption and reads it into `model`;
// `reading` keeps the file name and the reading state. Ends the run by throwing:
// RunEndingError for a listing that cannot be read or held (its message names the file and,
// where there is one, the line), RunEnded when the dialog was cancelled or the unit message
// has been shown. Non-fatal messages go through services.showMessage and reading goes on.
void ReadListing(ModelStore& model, PlatformServices& services, ListingReading& reading);

}  // namespace fp

// Passes 2, 3 and 4 of the reader in one scan of the listing: floor loads, beam designs and
// member loads.
#pragma once

#include "model/model_store.h"
#include "reader/listing_reading.h"
#include "reader/platform_services.h"

namespace fp {

// Each pass reads the listing from its first line to its last, as if alone: the floor loads
// (after the load-case headers), the design scan (which starts from the listing's last line,
// the line the floor-load pass leaves), and the member loads. They share one reading of the
// file. Their messages are shown pass by pass when the scan is over; the first pass to fail
// ends the run after the messages of the passes before it, as if the passes had run in turn.
void ReadLoadsAndDesigns(ModelStore& model, ListingReading& reading, PlatformServices& services);

}  // namespace fp

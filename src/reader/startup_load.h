// The load the window's start-up does, for the command line and the benchmarks that have no
// window: the listing read, its load values sorted, the framing of every level derived.
#pragma once

#include "model/model_store.h"
#include "reader/listing_reading.h"
#include "reader/platform_services.h"

namespace fp {

// ReadListing, SortLoadValueLists, then DeriveFrames; ends the run as ReadListing does.
void LoadAsStartUpDoes(ModelStore& model, PlatformServices& services, ListingReading& reading);

}  // namespace fp

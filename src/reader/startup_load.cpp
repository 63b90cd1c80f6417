// The load the window's start-up does, without the window.
#include "reader/startup_load.h"

#include "grid/grid_derivation.h"
#include "reader/listing_reader.h"
#include "reader/startup_texts.h"

namespace fp {

void LoadAsStartUpDoes(ModelStore& model, PlatformServices& services, ListingReading& reading) {
    ReadListing(model, services, reading);
    SortLoadValueLists(model);
    DeriveFrames(model);
}

}  // namespace fp

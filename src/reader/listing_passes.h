// The steps of reading a listing that work on the open stream and the line last read.
#pragma once

#include "model/model_store.h"
#include "reader/listing_reading.h"
#include "reader/platform_services.h"

namespace fp {

// Pass 1: the unit line, the joint section and the member section.
void ReadUnits(ListingReading& reading, PlatformServices& services);
void ReadJoints(ModelStore& model, ListingReading& reading);
void ReadMembers(ModelStore& model, ListingReading& reading);

// Last: every member runs from its lower to its higher joint.
void OrientMembers(ModelStore& model);

}  // namespace fp

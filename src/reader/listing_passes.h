// The steps of reading a listing; each works on the open stream and the line last read.
#pragma once

#include "model/model_store.h"
#include "reader/listing_reading.h"
#include "reader/platform_services.h"

namespace fp {

// Pass 1: the unit line, the joint section and the member section.
void ReadUnits(ListingReading& reading, PlatformServices& services);
void ReadJoints(ModelStore& model, ListingReading& reading);
void ReadMembers(ModelStore& model, ListingReading& reading);

// Pass 2: load-case headers and the floor loads after the first "FLOOR LOAD" line.
void ReadFloorLoads(ModelStore& model, ListingReading& reading);

// Pass 3: one design row per beam block.
void ScanDesignResults(ModelStore& model, ListingReading& reading, PlatformServices& services);

// The number in the ten characters after `key`: in CurrentLine, or, searching onwards, in the
// next line holding `key` (0 when a column header or the end of the listing comes first).
float ReadValueAfter(ListingReading& reading, const char* key, bool searchOnwards);

// Pass 4: the distinct downward uniform member loads.
void ReadMemberLoads(ModelStore& model, ListingReading& reading, PlatformServices& services);

// Last: every member runs from its lower to its higher joint.
void OrientMembers(ModelStore& model);

}  // namespace fp

// The loads and beam designs of a listing: floor loads, beam design blocks, member loads.
#pragma once

#include "model/records.h"
#include "reader/listing_echo.h"
#include "reader/listing_source.h"
#include "reader/message_sink.h"
#include "reader/unshown_loads.h"

namespace fp {

struct LoadsAndDesigns {
    // The first header of each load-case number, in the order they appear.
    LoadCaseList loadCases{"load cases"};
    FloorLoadList floorLoads{"floor loads"};
    LoadValueList floorIntensities{"distinct floor-load intensities"};
    DesignRowList designRows{"beam design blocks"};
    // The line of a beam design header the listing ends after, before the block's length; 0
    // when none.
    long cutDesignHeaderLine = 0;
    LoadValueList memberLoadValues{"distinct member-load values"};
    // Every accepted member load, one per member it acts on, in the order read.
    MemberLoadList memberLoadsByMember{"member loads by member"};
    // The floor and member loads no plan shows.
    UnshownLoads unshownLoads;
    // Read from every line, in the same reading.
    ListingEcho echo;
};

// The plan's outermost grid lines, in hundredths of a metre: a floor load written without X
// and Z ranges covers them.
struct PlanExtent {
    float firstX = 0;
    float lastX = 0;
    float firstZ = 0;
    float lastZ = 0;
};

// Reads the floor loads (after the load-case headers), the beam design blocks, the uniform
// member loads and the input echo, each from the listing's first line to its last as if alone,
// in one reading of the listing. The messages of the three go to `messages` in that order once the
// reading is over; the first of them to fail throws its ListingError after the messages of the ones
// before it, as if they had run in turn. Distinct values keep the order they first appear in.
LoadsAndDesigns readLoadsAndDesigns(ListingSource& listing, const PlanExtent& extent,
                                    MessageSink& messages);

}  // namespace fp

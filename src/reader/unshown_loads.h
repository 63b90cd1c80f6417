// The loads the analysis applies that no plan shows: the plans show downward floor loads and
// downward uniform member loads in GY only.
#pragma once

#include <string>

#include "model/records.h"
#include "reader/bounded_findings.h"

namespace fp {

// A floor load acting upward, or in another direction than GY.
struct UnshownFloorLoad {
    // Its intensity as written, with its sign; its ranges as a shown floor load's.
    FloorLoad load;
    std::string direction;  // "GY", "GX", "GZ" ...
};

// A member-load statement other than a downward uniform load in GY: «101 TO 103 UNI GX -5».
struct UnshownMemberLoad {
    std::string caseNumber;  // of the latest load-case header, as written
    std::string members;     // the member list as written, without its continuation marks
    std::string load;        // the load as written: «UNI GX -5»
    bool upward = false;     // a uniform load in GY acting upward
    long line = 0;           // of the load, counted from 1
};

struct UnshownLoads {
    BoundedFindings<UnshownFloorLoad> floorLoads;
    BoundedFindings<UnshownMemberLoad> memberLoads;
};

}  // namespace fp

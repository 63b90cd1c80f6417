// What the user chose for the sheets a plan goes on: paper, orientation and scale, and the job
// fields that stand in for the listing's own (an empty field takes the listing's).
#pragma once

#include "output/page_setup.h"

namespace fp {

struct SheetChoice {
    PageSetup page;
    JobInformation job;
};

}  // namespace fp

// The bundled sample: a six-storey office block with an irregular plan.
#pragma once

#include "generated_model.h"

namespace gen {

// Four bays by three on grids of 6 m and 5 to 5.5 m. A secondary beam at X = 9 m splits the
// corridor bay next to the core; a stair opening leaves out one beam on the lower floors; a
// balcony cantilevers 1.8 m past the back face on the lower floors.
Model officeBlock();

}  // namespace gen

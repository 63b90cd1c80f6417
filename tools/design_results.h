// The concrete design output: one block per designed beam and column.
#pragma once

#include "generated_model.h"
#include "listing_writer.h"

namespace gen {

// Beam blocks print the beam's real length in millimetres after "LENGTH:".
void writeDesignResults(ListingWriter& writer, const Model& model);

}  // namespace gen

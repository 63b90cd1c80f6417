// The analysis output of a listing: summary, displacements, reactions and member forces.
#pragma once

#include <cstdint>

#include "generated_model.h"
#include "listing_writer.h"

namespace gen {

// `paddedTo` 0 prints a short extract (roof displacements, reactions, first-floor forces);
// otherwise every table is printed in full and section forces follow until the writer has
// written `paddedTo` bytes.
void writeAnalysisResults(ListingWriter& writer, const Model& model, std::uint64_t paddedTo);

}  // namespace gen

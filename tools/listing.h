// A whole analysis listing for a generated model.
#pragma once

#include <cstdint>
#include <cstdio>

#include "generated_model.h"

namespace gen {

// `totalBytes` 0 writes a short listing with extracts of the results; otherwise the results
// are padded so that the whole listing is about `totalBytes` long.
void writeListing(std::FILE* out, const Model& model, std::uint64_t totalBytes);

}  // namespace gen

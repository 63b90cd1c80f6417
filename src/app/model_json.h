// The model as JSON, for scripts and checks: "frameplan dump LISTING".
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/model_store.h"

namespace fp {

// Writes the model after start-up (load-value lists sorted, frames derived): the raw tables,
// the grid, the start-up captions, the messages shown while reading, and one entry per level
// with its beams and panels (finding the panels rewrites the panel tables).
void writeModelJson(std::ostream& out, ModelStore& model, const std::string& listing,
                    const std::vector<std::string>& messages);

}  // namespace fp

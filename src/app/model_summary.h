// A short account of a model for people: "frameplan info LISTING".
#pragma once

#include <chrono>
#include <ostream>
#include <string>

#include "model/model_store.h"

namespace fp {

// Joints, members, design rows and plan beams, levels, floor loads per load case, the load
// values, the messages shown, and the time the load took.
void writeModelSummary(std::ostream& out, const ModelStore& model, const std::string& listing,
                       std::size_t messageCount, std::chrono::steady_clock::duration loadTime);

}  // namespace fp

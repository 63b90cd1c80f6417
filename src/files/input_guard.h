// An output must never take the place of the listing it was made from: a mistyped name, or a
// derived one ("s.csv" gives "s-panels.csv"), would otherwise replace the listing for good.
#pragma once

#include <string>
#include <vector>

namespace fp {

// Throws FileWriteError, naming the output, when one of `outputs` is the file `input` itself,
// through any path or link (hard or symbolic). Outputs that do not exist yet are never it.
void refuseOutputsOverInput(const std::vector<std::string>& outputs, const std::string& input);

}  // namespace fp

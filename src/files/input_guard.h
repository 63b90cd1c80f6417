// An output must never take the place of the listing it was made from: a mistyped name, or a
// derived one ("s.csv" gives "s-panels.csv"), would otherwise replace the listing for good.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_version.h"

namespace fp {

// Throws FileWriteError, naming the output, when one of `outputs` is one of the files `inputs`
// itself, through any path or link (hard or symbolic). Outputs that do not exist yet are never
// one.
void refuseOutputsOverInputs(const std::vector<std::string>& outputs,
                             const std::vector<std::string>& inputs);

// The file of `inputs` that the process's standard output or error is (a shell's ">>" appending
// to the listing); nothing when it is none of them.
std::optional<std::string> inputStandardStreamIs(StandardStream stream,
                                                 const std::vector<std::string>& inputs);

}  // namespace fp

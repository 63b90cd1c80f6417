// Listings the generator writes, for the tests built beside it (GEN_LISTING_PROGRAM names it).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace fp::testing {

// Runs the generator `program` with `arguments` (words for the shell), writing to `path`; false,
// with the command in the failure, when it does not succeed.
[[nodiscard]] inline bool writeGeneratedListing(const std::string& program,
                                                const std::string& arguments,
                                                const std::string& path) {
    const std::string command = "'" + program + "' " + arguments + " --output '" + path + "'";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << command;
        return false;
    }
    return true;
}

}  // namespace fp::testing

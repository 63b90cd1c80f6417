// Listings the generator writes, for the tests built beside it (GEN_LISTING_PROGRAM names it).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace fp::testing {

// The generator's arguments for a dense level: 9 x 7 bays of 2.4 m, on two storeys, where
// labels are crowded enough that placing them is tested.
inline constexpr const char* kDenseLevelArguments = "--storeys 2 --bays-x 9 --bays-z 7 --span 2.4";

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

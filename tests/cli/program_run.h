// Runs a built program as a shell would, and keeps its exit status and what it printed.
#pragma once

#include <string>
#include <vector>

namespace fp::testing {

struct ProgramRun {
    // The exit status; -1 when the program did not exit by itself (a signal ended it).
    int status = -1;
    std::string out;
    std::string err;
};

// Runs `program` with `arguments` (each one word, no shell in between), standard input empty,
// in this process's environment less the variables named in `unset`.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& unset = {});

// A path in the test's temporary folder that no other test process uses.
std::string temporaryPath(const std::string& name);

// The whole file, as bytes; the empty text when it cannot be read.
std::string fileText(const std::string& path);

// Writes `text` to a temporary file named after `name` and returns its path.
std::string writeTemporaryFile(const std::string& name, const std::string& text);

}  // namespace fp::testing

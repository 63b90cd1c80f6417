// Outputs compared with the input by the file they are, not by their names.
#include "files/input_guard.h"

#include <filesystem>
#include <system_error>

#include "files/pending_file.h"

namespace fp {

void refuseOutputsOverInput(const std::vector<std::string>& outputs, const std::string& input) {
    namespace fs = std::filesystem;
    for (const std::string& output : outputs) {
        std::error_code error;
        if (fs::equivalent(fs::path(output), fs::path(input), error) && !error) {
            throw FileWriteError("Cannot write " + output + ": it is the listing " + input +
                                 " itself, which it would replace. Choose another name for the "
                                 "output.");
        }
    }
}

}  // namespace fp

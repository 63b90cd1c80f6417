// Outputs compared with the input by the file they are, not by their names.
#include "files/input_guard.h"

#include <filesystem>
#include <system_error>

#include "files/pending_file.h"

namespace fp {

void refuseOutputsOverInputs(const std::vector<std::string>& outputs,
                             const std::vector<std::string>& inputs) {
    namespace fs = std::filesystem;
    for (const std::string& output : outputs) {
        for (const std::string& input : inputs) {
            std::error_code error;
            if (fs::equivalent(fs::path(output), fs::path(input), error) && !error) {
                throw FileWriteError("Cannot write " + output + ": it is the listing " + input +
                                     " itself, which it would replace. Choose another name for "
                                     "the output.");
            }
        }
    }
}

std::optional<std::string> inputStandardStreamIs(StandardStream stream,
                                                 const std::vector<std::string>& inputs) {
    const std::optional<FileVersion> written = standardStreamFile(stream);
    // Where the system numbers no files, a file cannot be told from another.
    if (!written || written->file == 0) {
        return std::nullopt;
    }
    for (const std::string& input : inputs) {
        const std::optional<FileVersion> read = fileVersion(input);
        if (read && read->device == written->device && read->file == written->file) {
            return input;
        }
    }
    return std::nullopt;
}

}  // namespace fp

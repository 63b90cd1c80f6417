// Which version of a file is on disk: its identity, size and modification time, which only the
// system can tell. A reader that notes them at the start and compares them later knows whether
// it has read one version of the file throughout.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fp {

struct FileVersion {
    std::uint64_t device = 0;
    std::uint64_t file = 0;  // the file's number on its device (0 where the system has none)
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileVersion&) const = default;
};

// The version of the file at `path`, links followed; nothing when it cannot be asked (gone, no
// permission to look).
std::optional<FileVersion> fileVersion(const std::string& path);

enum class StandardStream { Output, Error };

// The version of the file the process's standard output or error is; nothing when it is none
// (a terminal, a pipe, closed) or cannot be asked.
std::optional<FileVersion> standardStreamFile(StandardStream stream);

}  // namespace fp

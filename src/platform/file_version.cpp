// stat on POSIX systems, _wstat64 on Windows (which has no file numbers there).
#include "platform/file_version.h"

#if defined(_WIN32)
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>
#include <filesystem>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fp {

namespace {

#if defined(_WIN32)
using Status = struct _stat64;

FileVersion versionOf(const Status& status) {
    // Windows keeps whole seconds only.
    return FileVersion{static_cast<std::uint64_t>(status.st_dev),
                       static_cast<std::uint64_t>(status.st_ino),
                       static_cast<std::uint64_t>(status.st_size),
                       static_cast<std::int64_t>(status.st_mtime) * 1000000000};
}
#else
using Status = struct stat;

FileVersion versionOf(const Status& status) {
    return FileVersion{
        static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
        static_cast<std::uint64_t>(status.st_size),
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}
#endif

}  // namespace

std::optional<FileVersion> fileVersion(const std::string& path) {
    Status status{};
#if defined(_WIN32)
    const bool found = _wstat64(std::filesystem::path(path).c_str(), &status) == 0;
#else
    const bool found = ::stat(path.c_str(), &status) == 0;
#endif
    if (!found) {
        return std::nullopt;
    }
    return versionOf(status);
}

std::optional<FileVersion> standardStreamFile(StandardStream stream) {
    Status status{};
#if defined(_WIN32)
    const bool regular =
        _fstat64(_fileno(stream == StandardStream::Output ? stdout : stderr), &status) == 0 &&
        (status.st_mode & _S_IFREG) != 0;
#else
    const bool regular =
        ::fstat(stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO, &status) == 0 &&
        S_ISREG(status.st_mode);
#endif
    if (!regular) {
        return std::nullopt;
    }
    return versionOf(status);
}

}  // namespace fp

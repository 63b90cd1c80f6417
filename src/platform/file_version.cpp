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

std::optional<FileVersion> fileVersion(const std::string& path) {
#if defined(_WIN32)
    struct _stat64 status {};
    if (_wstat64(std::filesystem::path(path).c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileVersion{static_cast<std::uint64_t>(status.st_dev),
                       static_cast<std::uint64_t>(status.st_ino),
                       static_cast<std::uint64_t>(status.st_size),
                       static_cast<std::int64_t>(status.st_mtime) * 1000000000};
#else
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileVersion{
        static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
        static_cast<std::uint64_t>(status.st_size),
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
#endif
}

std::optional<FileVersion> standardStreamFile(StandardStream stream) {
#if defined(_WIN32)
    struct _stat64 status {};
    if (_fstat64(_fileno(stream == StandardStream::Output ? stdout : stderr), &status) != 0 ||
        (status.st_mode & _S_IFREG) == 0) {
        return std::nullopt;
    }
    return FileVersion{static_cast<std::uint64_t>(status.st_dev),
                       static_cast<std::uint64_t>(status.st_ino),
                       static_cast<std::uint64_t>(status.st_size),
                       static_cast<std::int64_t>(status.st_mtime) * 1000000000};
#else
    struct stat status {};
    if (::fstat(stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO, &status) != 0 ||
        !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return FileVersion{
        static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
        static_cast<std::uint64_t>(status.st_size),
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
#endif
}

}  // namespace fp

// stat on POSIX systems, _wstat64 on Windows (which has no file numbers there).
#include "platform/file_version.h"

#if defined(_WIN32)
#include <sys/stat.h>
#include <sys/types.h>

#include <filesystem>
#else
#include <sys/stat.h>
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

}  // namespace fp

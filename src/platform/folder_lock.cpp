// flock on the folder on POSIX systems; nothing on Windows.
#include "platform/folder_lock.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace fp {

FolderLock::FolderLock([[maybe_unused]] const std::string& folder) {
#if !defined(_WIN32)
    descriptor_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0) {
        return;
    }
    while (::flock(descriptor_, LOCK_EX) != 0 && errno == EINTR) {
    }
#endif
}

FolderLock::~FolderLock() {
#if !defined(_WIN32)
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
#endif
}

}  // namespace fp

// One place notices go, guarded: the window reads listings on a thread of its own.
#include "files/file_notices.h"

#include <mutex>

namespace fp {
namespace {

std::mutex& noticeMutex() {
    static std::mutex mutex;
    return mutex;
}

FileNotice& currentNotice() {
    static FileNotice notice;
    return notice;
}

}  // namespace

FileNotice setFileNotice(FileNotice notice) {
    const std::lock_guard lock(noticeMutex());
    std::swap(currentNotice(), notice);
    return notice;
}

void tellFileNotice(const std::string& text) {
    const std::lock_guard lock(noticeMutex());
    if (currentNotice()) {
        currentNotice()(text);
    }
}

}  // namespace fp

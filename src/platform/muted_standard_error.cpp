// dup and dup2 onto the null device: _dup and _dup2 on Windows, where the device is "NUL".
#include "platform/muted_standard_error.h"

#include <fcntl.h>

#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fp {
namespace {

constexpr int kStandardError = 2;

int openNullDevice() {
#if defined(_WIN32)
    return _open("NUL", _O_WRONLY);
#else
    return ::open("/dev/null", O_WRONLY);
#endif
}

int duplicate(int descriptor) {
#if defined(_WIN32)
    return _dup(descriptor);
#else
    return ::dup(descriptor);
#endif
}

int duplicateOnto(int descriptor, int onto) {
#if defined(_WIN32)
    return _dup2(descriptor, onto);
#else
    return ::dup2(descriptor, onto);
#endif
}

void closeDescriptor(int descriptor) {
#if defined(_WIN32)
    _close(descriptor);
#else
    ::close(descriptor);
#endif
}

}  // namespace

MutedStandardError::MutedStandardError() {
    std::fflush(stderr);
    const int null = openNullDevice();
    if (null < 0) {
        return;
    }
    saved_ = duplicate(kStandardError);
    if (saved_ >= 0 && duplicateOnto(null, kStandardError) < 0) {
        closeDescriptor(saved_);
        saved_ = -1;
    }
    closeDescriptor(null);
}

MutedStandardError::~MutedStandardError() {
    if (saved_ < 0) {
        return;
    }
    std::fflush(stderr);
    duplicateOnto(saved_, kStandardError);
    closeDescriptor(saved_);
}

}  // namespace fp

// The thread's signal mask on POSIX systems; nothing on Windows.
#include "platform/interruptions_held.h"

namespace fp {

InterruptionsHeld::InterruptionsHeld() {
#if !defined(_WIN32)
    sigset_t interruptions;
    sigemptyset(&interruptions);
    sigaddset(&interruptions, SIGINT);
    sigaddset(&interruptions, SIGTERM);
    held_ = ::pthread_sigmask(SIG_BLOCK, &interruptions, &before_) == 0;
#endif
}

InterruptionsHeld::~InterruptionsHeld() {
#if !defined(_WIN32)
    if (held_) {
        ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
    }
#endif
}

}  // namespace fp

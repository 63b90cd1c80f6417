// SIGINT and SIGTERM held off for a moment: a set of files is put in place whole before an
// interrupted run ends.
#pragma once

#if !defined(_WIN32)
#include <signal.h>
#endif

namespace fp {

// While one lives, SIGINT and SIGTERM sent to the calling thread wait; they arrive once it is
// gone. Windows has neither signal; there, nothing waits.
class InterruptionsHeld {
  public:
    InterruptionsHeld();
    ~InterruptionsHeld();
    InterruptionsHeld(const InterruptionsHeld&) = delete;
    InterruptionsHeld& operator=(const InterruptionsHeld&) = delete;

  private:
#if !defined(_WIN32)
    bool held_ = false;
    sigset_t before_{};
#endif
};

}  // namespace fp

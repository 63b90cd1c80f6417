// Standard error silenced for a while: a library that prints its own failures there (in its
// words, with its source file's name) is heard through the failure it returns instead.
#pragma once

namespace fp {

// While one lives, what the process writes to standard error is dropped. Not for use while
// another thread may have something to say there.
class MutedStandardError {
  public:
    MutedStandardError();
    ~MutedStandardError();
    MutedStandardError(const MutedStandardError&) = delete;
    MutedStandardError& operator=(const MutedStandardError&) = delete;

  private:
    int saved_ = -1;  // standard error as it was; -1 when it could not be muted
};

}  // namespace fp

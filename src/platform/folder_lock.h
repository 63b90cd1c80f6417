// An advisory lock on the folder files are written into: two runs that write the same files
// take turns, so that the files put in place together always come from one of them.
#pragma once

#include <string>

namespace fp {

// Waits for, then holds, the lock of `folder` while it lives. A folder that cannot be opened is
// not locked: writing into it will fail with its own message. Windows has no such lock on a
// folder; there, runs do not wait for each other.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    int descriptor_ = -1;
};

}  // namespace fp

// Files written under a temporary name beside their place and put in place only once whole, so
// that a failure part-way leaves nothing half-written.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/locked_folder.h"

namespace fp {

// A file that could not be written; the message names it and says what to check.
class FileWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The message of a file that could not be written, for `reason` ("the disk is full").
FileWriteError cannotWrite(const std::string& path, const std::string& reason);

// Paths are bytes in the platform's file-name encoding, which need not be UTF-8.
class PendingFile {
  public:
    explicit PendingFile(std::string path);
    // Removes the temporary file unless it was committed.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Where the file is written until it is committed. A place that exists but is not a regular
    // file (a device, a pipe) is written to directly: putting a file in its place would replace
    // the device itself.
    const std::string& temporaryPath() const { return temporary_; }
    const std::string& path() const { return path_; }

    // Puts the whole file in place of any file of its name, renaming it inside `folder`, where
    // it lies; throws FileWriteError.
    void commitIn(const LockedFolder& folder);
    // Whether it is written in place already: committed, or written directly.
    bool committed() const { return committed_; }

  private:
    std::string path_;
    std::string temporary_;
    bool committed_ = false;
};

// Several files that are put in place together, once every one of them is whole. They lie in
// one folder, which is locked from the first file added to the end, so that two runs writing
// the same set take turns and the set in place is always one run's; a set an earlier run left
// half-done there is settled first (see set_journal.h), and temporary files an earlier run of
// the same names was killed with are removed.
class PendingFiles {
  public:
    // Throws std::logic_error for a file in another folder than the first one's.
    PendingFile& add(const std::string& path);
    // Commits them in the order added, with SIGINT and SIGTERM held off until all are in place;
    // returns their paths. The files are saved to the disk, then a journal of the renames, then
    // the renames are made inside the folder as it was opened (a folder moved meanwhile still
    // gets the whole set), saved, and the journal removed: a run killed or a machine losing
    // power part-way leaves either the earlier set, or the new one once the next run has read
    // the journal. A rename that fails throws FileWriteError naming the file once the others
    // are in place.
    std::vector<std::string> commitAll();

  private:
    // Declared first: the temporary files are removed before their folder is unlocked.
    std::unique_ptr<LockedFolder> folder_;
    std::vector<std::unique_ptr<PendingFile>> files_;
};

// Writes the temporary file of `file` through `write`, which is given a stream to it; a stream
// that failed throws FileWriteError naming the file and why.
void writeThrough(const PendingFile& file, const std::function<void(std::ostream& out)>& write);

// A file's path and its whole contents.
struct FileBytes {
    std::string path;
    std::string bytes;
};

// Writes every file, then puts them all in place; a failure leaves none of them and throws
// FileWriteError naming the file. Returns their paths.
std::vector<std::string> writeWhole(const std::vector<FileBytes>& files);

}  // namespace fp

// Files written under a temporary name beside their place and put in place only once whole, so
// that a failure part-way leaves nothing half-written.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

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

    // Puts the whole file in place of any file of its name; throws FileWriteError.
    void commit();

  private:
    std::string path_;
    std::string temporary_;
    bool committed_ = false;
};

// Several files that are put in place together, once every one of them is whole.
class PendingFiles {
  public:
    PendingFile& add(const std::string& path);
    // Commits them in the order added; returns their paths.
    std::vector<std::string> commitAll();

  private:
    std::vector<std::unique_ptr<PendingFile>> files_;
};

// A file's path and its whole contents.
struct FileBytes {
    std::string path;
    std::string bytes;
};

// Writes every file, then puts them all in place; a failure leaves none of them and throws
// FileWriteError naming the file. Returns their paths.
std::vector<std::string> writeWhole(const std::vector<FileBytes>& files);

}  // namespace fp

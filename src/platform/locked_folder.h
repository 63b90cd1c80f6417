// A folder files are written into, held open and locked: two runs that write the same files
// take turns, so that the files put in place together always come from one of them; and the
// files inside it are named through the folder held open, so that a folder moved or renamed
// meanwhile is still the one written into, and what is written is saved to the disk before and
// after it is put in place.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace fp {

// Names given to the functions are file names inside the folder. A folder that cannot be
// opened is not locked, and its files are named through its path: writing into it will fail
// with its own message. Windows has no such lock on a folder, nor a folder held open: there,
// runs do not wait for each other, files are named through the path, and nothing is synced.
class LockedFolder {
  public:
    enum class Waiting { UntilFree, Not };

    // Waits for the lock of `folder` ("" for the current folder) unless `waiting` is Not.
    explicit LockedFolder(const std::string& folder, Waiting waiting = Waiting::UntilFree);
    ~LockedFolder();
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    // False when another run held the lock and this one did not wait for it.
    bool held() const { return held_; }
    const std::string& path() const { return path_; }

    bool exists(const std::string& name) const;
    std::error_code rename(const std::string& from, const std::string& to) const;
    std::error_code remove(const std::string& name) const;
    // The file's contents on the disk, not only in the system's cache; false when it cannot be.
    bool syncFile(const std::string& name) const;
    // The folder's entries (the names, renames and removals in it) on the disk.
    bool syncEntries() const;
    // Writes a new file whole and saves it to the disk; false when it cannot be.
    bool writeFile(const std::string& name, std::string_view bytes) const;
    // The file's first `most` bytes; nothing when it cannot be read.
    std::optional<std::string> readFile(const std::string& name, std::size_t most) const;

  private:
    // Where a name inside the folder is looked up: through the folder held open, or its path.
    struct Place {
        int folder;
        std::string name;
    };
    Place at(const std::string& name) const;
    std::string pathOf(const std::string& name) const;

    std::string path_;
    int descriptor_ = -1;
    bool held_ = false;
};

}  // namespace fp

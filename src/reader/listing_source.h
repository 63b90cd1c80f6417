// Where a listing's bytes come from: a file on disk, or text already in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/listing_error.h"
#include "platform/file_version.h"

namespace fp {

// The bytes of one listing, read by position so that a reader may go back over them.
class ListingSource {
  public:
    virtual ~ListingSource() = default;

    // Copies up to `size` bytes from `offset` into `into` and returns how many; fewer only at
    // the end. A read that fails throws ListingError.
    virtual std::size_t readAt(std::uint64_t offset, char* into, std::size_t size) = 0;
    // The number of bytes.
    virtual std::uint64_t size() const = 0;
    // The name messages give the listing: its path as given.
    virtual const std::string& name() const = 0;
    // Throws listingChanged() when the listing is no longer the version the reading began
    // with: a reading that spans several passes calls it after each, so that it never joins
    // the parts of two versions. Text in memory never changes.
    virtual void checkUnchanged() {}
    // The version of the file noted at the opening; none for text in memory.
    virtual std::optional<FileVersion> version() const { return std::nullopt; }
};

// The failure of a listing that changed while it was read.
ListingError listingChanged(const std::string& name);

// The listing in the file at `path`. A path that is not a readable regular file throws
// ListingError saying why: a folder, a device or a pipe is refused before it is opened. Its
// identity, size and modification time are noted at the opening; a read that finds the file
// shorter, or checkUnchanged() finding any of them changed, throws listingChanged().
std::unique_ptr<ListingSource> openListingFile(const std::string& path);

// The same, for a reading that must find the version of the file read before, `expected`: any
// other version throws listingChanged().
std::unique_ptr<ListingSource> openListingFile(const std::string& path,
                                               const std::optional<FileVersion>& expected);

// A listing held in memory under `name`; `bytes` must outlive the source.
std::unique_ptr<ListingSource> listingInMemory(std::string_view bytes, std::string name);

}  // namespace fp

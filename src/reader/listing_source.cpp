// Listing bytes from a file or from memory, through the standard library only.
#include "reader/listing_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "model/listing_error.h"
#include "platform/file_version.h"

namespace fp {
namespace {

ListingError cannotRead(const std::string& path, const std::string& reason) {
    return ListingError("The listing cannot be read: " + reason,
                        "Check that the file is a readable text file.")
        .inListing(path);
}

class FileSource : public ListingSource {
  public:
    explicit FileSource(const std::string& path) : path_(path) {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::file_status status = fs::status(fs::path(path), error);
        if (error || !fs::exists(status)) {
            throw ListingError(
                "The listing cannot be opened: " +
                    (error ? error.message() : std::string("No such file or directory")),
                "Check the file name and that the file may be read.")
                .inListing(path);
        }
        if (!fs::is_regular_file(status)) {
            throw ListingError(std::string("This is not a listing file but ") +
                                   (fs::is_directory(status) ? "a folder" : "a device or pipe"),
                               "Choose the analysis output listing, a plain text file.")
                .inListing(path);
        }
        const std::optional<FileVersion> version = fileVersion(path);
        errno = 0;
        file_.open(fs::path(path), std::ios::binary);
        if (!version || !file_) {
            const std::string reason = errno != 0 ? std::strerror(errno) : "unknown cause";
            throw ListingError("The listing cannot be opened: " + reason,
                               "Check the file name and that the file may be read.")
                .inListing(path);
        }
        version_ = *version;
        size_ = version_.size;
    }

    std::size_t readAt(std::uint64_t offset, char* into, std::size_t size) override {
        if (offset >= size_ || size == 0) {
            return 0;
        }
        // What the analysis appends meanwhile is not read: the size is the opening's.
        size = static_cast<std::size_t>(std::min<std::uint64_t>(size, size_ - offset));
        if (offset != position_) {
            file_.clear();
            file_.seekg(static_cast<std::streamoff>(offset));
        }
        file_.read(into, static_cast<std::streamsize>(size));
        const auto count = static_cast<std::size_t>(file_.gcount());
        if (file_.bad() || (count == 0 && !file_.eof())) {
            throw cannotRead(path_, "the file could not be read to its end");
        }
        // Fewer bytes than the file had at the opening: it was cut short since.
        if (count < size) {
            throw listingChanged(path_);
        }
        position_ = offset + count;
        if (!file_) {
            file_.clear();
            position_ = UINT64_MAX;
        }
        return count;
    }

    std::uint64_t size() const override { return size_; }
    const std::string& name() const override { return path_; }

    void checkUnchanged() override {
        if (fileVersion(path_) != std::optional<FileVersion>(version_)) {
            throw listingChanged(path_);
        }
    }

    std::optional<FileVersion> version() const override { return version_; }

  private:
    std::string path_;
    std::ifstream file_;
    FileVersion version_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

class MemorySource : public ListingSource {
  public:
    MemorySource(std::string_view bytes, std::string name)
        : bytes_(bytes), name_(std::move(name)) {}

    std::size_t readAt(std::uint64_t offset, char* into, std::size_t size) override {
        if (offset >= bytes_.size()) {
            return 0;
        }
        const std::size_t count =
            std::min<std::size_t>(size, bytes_.size() - static_cast<std::size_t>(offset));
        std::memcpy(into, bytes_.data() + offset, count);
        return count;
    }

    std::uint64_t size() const override { return bytes_.size(); }
    const std::string& name() const override { return name_; }

  private:
    std::string_view bytes_;
    std::string name_;
};

}  // namespace

ListingError listingChanged(const std::string& name) {
    return ListingError::verbatim(
               "the listing changed while it was being read; read it again once the analysis "
               "has finished writing it")
        .inListing(name);
}

std::unique_ptr<ListingSource> openListingFile(const std::string& path) {
    return std::make_unique<FileSource>(path);
}

std::unique_ptr<ListingSource> openListingFile(const std::string& path,
                                               const std::optional<FileVersion>& expected) {
    auto listing = openListingFile(path);
    if (listing->version() != expected) {
        throw listingChanged(path);
    }
    return listing;
}

std::unique_ptr<ListingSource> listingInMemory(std::string_view bytes, std::string name) {
    return std::make_unique<MemorySource>(bytes, std::move(name));
}

}  // namespace fp

// flock, the *at calls and fsync on POSIX systems; paths alone on Windows.
#include "platform/locked_folder.h"

#if defined(_WIN32)
#include <filesystem>
#include <fstream>
#include <iterator>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>
#endif

namespace fp {

std::string LockedFolder::pathOf(const std::string& name) const {
    return path_.empty() ? name : path_ + "/" + name;
}

#if defined(_WIN32)

LockedFolder::LockedFolder(const std::string& folder, Waiting) : path_(folder), held_(true) {}

LockedFolder::~LockedFolder() = default;

bool LockedFolder::exists(const std::string& name) const {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(pathOf(name)), error);
}

std::error_code LockedFolder::rename(const std::string& from, const std::string& to) const {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(pathOf(from)), std::filesystem::path(pathOf(to)),
                            error);
    return error;
}

std::error_code LockedFolder::remove(const std::string& name) const {
    std::error_code error;
    std::filesystem::remove(std::filesystem::path(pathOf(name)), error);
    return error;
}

bool LockedFolder::syncFile(const std::string&) const {
    return true;
}

bool LockedFolder::syncEntries() const {
    return true;
}

bool LockedFolder::writeFile(const std::string& name, std::string_view bytes) const {
    std::ofstream out(std::filesystem::path(pathOf(name)), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

std::optional<std::string> LockedFolder::readFile(const std::string& name, std::size_t most) const {
    std::ifstream in(std::filesystem::path(pathOf(name)), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text(most, '\0');
    in.read(text.data(), static_cast<std::streamsize>(most));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

#else

namespace {

// A file descriptor closed when it goes.
class Descriptor {
  public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return descriptor_; }

  private:
    int descriptor_;
};

}  // namespace

LockedFolder::LockedFolder(const std::string& folder, Waiting waiting) : path_(folder) {
    descriptor_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0) {
        held_ = true;
        return;
    }
    const int operation = waiting == Waiting::UntilFree ? LOCK_EX : LOCK_EX | LOCK_NB;
    int status = 0;
    while ((status = ::flock(descriptor_, operation)) != 0 && errno == EINTR) {
    }
    held_ = status == 0;
}

LockedFolder::~LockedFolder() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

LockedFolder::Place LockedFolder::at(const std::string& name) const {
    return descriptor_ >= 0 ? Place{descriptor_, name} : Place{AT_FDCWD, pathOf(name)};
}

bool LockedFolder::exists(const std::string& name) const {
    const Place place = at(name);
    struct stat status {};
    return ::fstatat(place.folder, place.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}

std::error_code LockedFolder::rename(const std::string& from, const std::string& to) const {
    const Place source = at(from);
    const Place target = at(to);
    if (::renameat(source.folder, source.name.c_str(), target.folder, target.name.c_str()) != 0) {
        return {errno, std::generic_category()};
    }
    return {};
}

std::error_code LockedFolder::remove(const std::string& name) const {
    const Place place = at(name);
    if (::unlinkat(place.folder, place.name.c_str(), 0) != 0) {
        return {errno, std::generic_category()};
    }
    return {};
}

bool LockedFolder::syncFile(const std::string& name) const {
    const Place place = at(name);
    const Descriptor file(::openat(place.folder, place.name.c_str(), O_RDONLY | O_CLOEXEC));
    // A file system that cannot sync (EINVAL) keeps nothing back to be saved.
    return file.get() >= 0 && (::fsync(file.get()) == 0 || errno == EINVAL);
}

bool LockedFolder::syncEntries() const {
    if (descriptor_ >= 0) {
        return ::fsync(descriptor_) == 0;
    }
    const Descriptor folder(
        ::open(path_.empty() ? "." : path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.get() >= 0 && ::fsync(folder.get()) == 0;
}

bool LockedFolder::writeFile(const std::string& name, std::string_view bytes) const {
    const Place place = at(name);
    const Descriptor file(
        ::openat(place.folder, place.name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (file.get() < 0) {
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::fsync(file.get()) == 0;
}

std::optional<std::string> LockedFolder::readFile(const std::string& name, std::size_t most) const {
    const Place place = at(name);
    const Descriptor file(::openat(place.folder, place.name.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        return std::nullopt;
    }
    std::string text(most, '\0');
    std::size_t read = 0;
    while (read < most) {
        const ssize_t got = ::read(file.get(), text.data() + read, most - read);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        read += static_cast<std::size_t>(got);
    }
    text.resize(read);
    return text;
}

#endif

}  // namespace fp

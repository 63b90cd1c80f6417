// Files put in place whole.
#include "files/pending_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "files/file_names.h"

namespace fp {
namespace {

namespace fs = std::filesystem;

bool isOtherThanAFile(const fs::path& place) {
    std::error_code error;
    const fs::file_status status = fs::status(place, error);
    return fs::exists(status) && !fs::is_regular_file(status);
}

// A name beside `path` that no other writer picks: the name, then a unique suffix.
std::string temporaryBeside(const std::string& path) {
    return path + ".part" + uniqueFileTag();
}

}  // namespace

FileWriteError cannotWrite(const std::string& path, const std::string& reason) {
    return FileWriteError("Cannot write " + path + ": " + reason +
                          ". Check that the folder exists, that the file may be written and "
                          "that the disk has room.");
}

PendingFile::PendingFile(std::string path) : path_(std::move(path)) {
    if (isOtherThanAFile(fs::path(path_))) {
        temporary_ = path_;
        committed_ = true;
    } else {
        temporary_ = temporaryBeside(path_);
    }
}

PendingFile::~PendingFile() {
    if (!committed_) {
        std::error_code ignored;
        fs::remove(fs::path(temporary_), ignored);
    }
}

void PendingFile::commit() {
    if (committed_) {
        return;
    }
    std::error_code error;
    fs::rename(fs::path(temporary_), fs::path(path_), error);
    if (error) {
        throw cannotWrite(path_, error.message());
    }
    committed_ = true;
}

PendingFile& PendingFiles::add(const std::string& path) {
    files_.push_back(std::make_unique<PendingFile>(path));
    return *files_.back();
}

std::vector<std::string> PendingFiles::commitAll() {
    std::vector<std::string> paths;
    for (const auto& file : files_) {
        file->commit();
        paths.push_back(file->path());
    }
    return paths;
}

std::vector<std::string> writeWhole(const std::vector<FileBytes>& files) {
    PendingFiles pending;
    for (const FileBytes& file : files) {
        const PendingFile& place = pending.add(file.path);
        errno = 0;
        std::ofstream out(fs::path(place.temporaryPath()), std::ios::binary | std::ios::trunc);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        out.close();
        if (!out) {
            throw cannotWrite(file.path,
                              errno != 0 ? std::strerror(errno) : "the file could not be written");
        }
    }
    return pending.commitAll();
}

}  // namespace fp

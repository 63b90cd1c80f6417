// Files put in place whole.
#include "files/pending_file.h"

#include <system_error>

namespace fp {

FileWriteError cannotWrite(const std::string& path, const std::string& reason) {
    return FileWriteError("Cannot write " + path + ": " + reason +
                          ". Check that the folder exists, that the file may be written and "
                          "that the disk has room.");
}

PendingFile::PendingFile(std::string path)
    : path_(std::move(path)), temporary_(path_ + ".frameplan-part") {}

PendingFile::~PendingFile() {
    if (!committed_) {
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(temporary_), ignored);
    }
}

void PendingFile::commit() {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporary_), std::filesystem::path(path_), error);
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

}  // namespace fp

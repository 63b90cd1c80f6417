// Files put in place whole.
#include "files/pending_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "files/file_names.h"
#include "files/file_notices.h"
#include "files/set_journal.h"
#include "platform/interruptions_held.h"
#include "platform/locked_folder.h"

namespace fp {
namespace {

namespace fs = std::filesystem;

bool isOtherThanAFile(const fs::path& place) {
    std::error_code error;
    const fs::file_status status = fs::status(place, error);
    return fs::exists(status) && !fs::is_regular_file(status);
}

// The longest file name most file systems take, in bytes.
constexpr std::size_t kLongestName = 255;

// The start of the temporary names beside `path`: its name, cut short where the name and the
// suffix would be too long together, then ".part".
fs::path temporaryStem(const std::string& path, std::size_t tagSize) {
    const fs::path place(path);
    std::string name = place.filename().string();
    constexpr std::string_view kPart = ".part";
    if (name.size() + kPart.size() + tagSize > kLongestName) {
        name.resize(kLongestName - kPart.size() - tagSize);
    }
    return place.parent_path() / (name + std::string(kPart));
}

// A name beside `path` that no other writer picks: the name, then a unique suffix.
std::string temporaryBeside(const std::string& path) {
    const std::string tag = uniqueFileTag();
    return temporaryStem(path, tag.size()).string() + tag;
}

// Whether `name` is the stem followed by a tag of uniqueFileTag()'s form ("2823411-7").
bool isTemporaryOf(const std::string& name, const std::string& stem) {
    if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0) {
        return false;
    }
    const std::string tag = name.substr(stem.size());
    const std::size_t dash = tag.find('-');
    const auto digits = [](const std::string& text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    };
    return dash != std::string::npos && digits(tag.substr(0, dash)) && digits(tag.substr(dash + 1));
}

// Removes the temporary files of `path` that an earlier run, killed before it could put them in
// place or remove them, left behind. Only called with the folder locked: no live writer has one.
void removeStaleTemporaries(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
    if (error) {
        return;
    }
    for (const fs::directory_entry& entry : entries) {
        const std::string found = entry.path().filename().string();
        const std::size_t part = found.rfind(".part");
        if (part == std::string::npos) {
            continue;
        }
        // Where the name was cut, its stem depends on the length of the tag after it.
        const std::size_t tagSize = found.size() - part - std::string_view(".part").size();
        const std::string stem = temporaryStem(path, tagSize).filename().string();
        if (isTemporaryOf(found, stem) && entry.is_regular_file(error)) {
            fs::remove(entry.path(), error);
        }
    }
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

void PendingFile::commitIn(const LockedFolder& folder) {
    if (committed_) {
        return;
    }
    const std::error_code error = folder.rename(fileNameOf(temporary_), fileNameOf(path_));
    if (error) {
        throw cannotWrite(path_, error.message());
    }
    committed_ = true;
}

PendingFile& PendingFiles::add(const std::string& path) {
    const std::string folder = fs::path(path).parent_path().string();
    if (!folder_) {
        folder_ = std::make_unique<LockedFolder>(folder);
        if (const std::optional<std::string> told = settleInterruptedSet(*folder_)) {
            tellFileNotice(*told);
        }
    } else if (folder != folder_->path()) {
        throw std::logic_error("the files of a set lie in one folder");
    }
    removeStaleTemporaries(path);
    files_.push_back(std::make_unique<PendingFile>(path));
    return *files_.back();
}

std::vector<std::string> PendingFiles::commitAll() {
    if (!folder_) {
        return {};
    }
    // An interruption between two renames would leave a set of files from two runs.
    const InterruptionsHeld held;
    std::vector<SetRename> renames;
    for (const auto& file : files_) {
        if (file->committed()) {
            continue;
        }
        renames.push_back({fileNameOf(file->temporaryPath()), fileNameOf(file->path())});
        if (!folder_->syncFile(renames.back().temporary)) {
            throw cannotWrite(file->path(), "it could not be saved to the disk");
        }
    }
    // One rename is whole or not made at all; only several need the journal.
    const bool journal = renames.size() > 1;
    if (journal && !folder_->writeFile(kSetJournalName, journalText(renames))) {
        throw cannotWrite(files_.front()->path(),
                          "the journal of the files, written before they are put in place, could "
                          "not be saved");
    }
    folder_->syncEntries();
    std::optional<FileWriteError> failure;
    std::vector<std::string> paths;
    for (const auto& file : files_) {
        try {
            file->commitIn(*folder_);
        } catch (const FileWriteError& error) {
            if (!failure) {
                failure = error;
            }
        }
        paths.push_back(file->path());
    }
    folder_->syncEntries();
    if (journal) {
        folder_->remove(kSetJournalName);
        folder_->syncEntries();
    }
    if (failure) {
        throw *failure;
    }
    return paths;
}

void writeThrough(const PendingFile& file, const std::function<void(std::ostream& out)>& write) {
    errno = 0;
    std::ofstream out(fs::path(file.temporaryPath()), std::ios::binary | std::ios::trunc);
    write(out);
    out.close();
    if (!out) {
        throw cannotWrite(file.path(),
                          errno != 0 ? std::strerror(errno) : "the file could not be written");
    }
}

std::vector<std::string> writeWhole(const std::vector<FileBytes>& files) {
    PendingFiles pending;
    for (const FileBytes& file : files) {
        writeThrough(pending.add(file.path), [&file](std::ostream& out) {
            out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        });
    }
    return pending.commitAll();
}

}  // namespace fp

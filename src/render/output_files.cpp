// Output files written whole or not at all.
#include "render/output_files.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace fp {
namespace {

namespace fs = std::filesystem;

OutputError cannotWrite(const std::string& path, const std::string& reason) {
    return OutputError("Cannot write " + path + ": " + reason +
                       ". Check that the folder exists, that the file may be written and that "
                       "the disk has room.");
}

std::string lastSystemReason() {
    return errno != 0 ? std::strerror(errno) : "the file could not be written";
}

void writeBytes(const fs::path& place, const OutputFile& file) {
    errno = 0;
    std::ofstream out(place, std::ios::binary | std::ios::trunc);
    out.write(file.bytes.constData(), file.bytes.size());
    out.close();
    if (!out) {
        throw cannotWrite(file.path, lastSystemReason());
    }
}

// A name beside `place` that no other writer picks: the name, then a random suffix.
fs::path temporaryBeside(const fs::path& place) {
    static std::atomic<unsigned> serial{0};
    static const unsigned seed = std::random_device{}();
    fs::path temporary = place;
    temporary += ".part" + std::to_string(seed) + "-" + std::to_string(++serial);
    return temporary;
}

// Temporary files written so far; removed unless they were put in place.
class Written {
  public:
    ~Written() {
        for (const fs::path& temporary : temporaries_) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
        }
    }
    void add(const fs::path& temporary) { temporaries_.push_back(temporary); }
    void putInPlace(std::size_t i, const fs::path& place, const std::string& path) {
        std::error_code error;
        fs::rename(temporaries_[i], place, error);
        if (error) {
            throw cannotWrite(path, error.message());
        }
        temporaries_[i].clear();
    }

  private:
    std::vector<fs::path> temporaries_;
};

}  // namespace

void writeWhole(const std::vector<OutputFile>& files) {
    Written written;
    std::vector<fs::path> places;
    for (const OutputFile& file : files) {
        const fs::path place(file.path);
        std::error_code error;
        const fs::file_status status = fs::status(place, error);
        if (fs::exists(status) && !fs::is_regular_file(status)) {
            writeBytes(place, file);
            places.emplace_back();
            written.add({});
            continue;
        }
        const fs::path temporary = temporaryBeside(place);
        written.add(temporary);
        writeBytes(temporary, file);
        places.push_back(place);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!places[i].empty()) {
            written.putInPlace(i, places[i], files[i].path);
        }
    }
}

}  // namespace fp

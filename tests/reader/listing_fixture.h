// Test helpers for the reader: listings written to temporary files, services that record.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "model/model_store.h"
#include "reader/listing_reader.h"
#include "reader/platform_services.h"

namespace fp::testing {

// Hands out a fixed path and records what the reader shows.
class RecordingServices : public PlatformServices {
  public:
    explicit RecordingServices(std::string path) : path_(std::move(path)) {}

    std::string chooseListingFile(const std::string& filter) override {
        filter_ = filter;
        return path_;
    }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void showMessage(const std::string& text) override { messages_.push_back(text); }

    const std::string& filter() const { return filter_; }
    const std::string& caption() const { return caption_; }
    const std::vector<std::string>& messages() const { return messages_; }

  private:
    std::string path_;
    std::string filter_;
    std::string caption_;
    std::vector<std::string> messages_;
};

// Writes `text` byte for byte to a new file in the test's temporary directory.
inline std::string writeListingFile(const std::string& text) {
    static std::atomic<int> serial{0};
    const std::string path = ::testing::TempDir() + "frameplan_reader_" +
                             std::to_string(::getpid()) + "_" + std::to_string(++serial) + ".anl";
    std::ofstream file(path, std::ios::binary);
    file << text;
    return path;
}

// Joins lines with LF and ends the last one too.
inline std::string lines(std::initializer_list<std::string> all) {
    std::string text;
    for (const std::string& line : all) {
        text += line + "\n";
    }
    return text;
}

// A model read from `text`, with the messages shown while reading it.
struct ReadListingResult {
    std::unique_ptr<ModelStore> model = makeModelStore();
    std::vector<std::string> messages;
    std::string path;
};

inline ReadListingResult readListingText(const std::string& text) {
    ReadListingResult result;
    result.path = writeListingFile(text);
    RecordingServices services(result.path);
    ListingReading reading;
    try {
        ReadListing(*result.model, services, reading);
    } catch (...) {
        result.messages = services.messages();
        throw;
    }
    result.messages = services.messages();
    return result;
}

// The head every listing of these tests needs: units, two joints, one member.
inline std::string structureHead() {
    return lines({"    1. STAAD SPACE", "    2. UNIT METER KN", "    3. JOINT COORDINATES",
                  "    4. 1 0 0 0; 2 12 0 0; 3 0 3 0; 4 12 3 8", "    5. MEMBER INCIDENCES",
                  "    6. 1 1 2; 2 3 4", "    7. DEFINE MATERIAL"});
}

}  // namespace fp::testing

// Test helpers for the reader and the document: listings written to temporary files, a message
// sink that records, and whole listings read as the program reads them.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "reader/loads_reader.h"
#include "reader/message_sink.h"

namespace fp::testing {

// Records what the reader shows, in order.
class RecordingSink : public MessageSink {
  public:
    void show(const ListingMessage& message) override {
        messages_.push_back(message.text);
        shown_.push_back(message);
    }
    // The texts shown, and the messages whole, with their listing and line.
    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<ListingMessage>& shown() const { return shown_; }

  private:
    std::vector<std::string> messages_;
    std::vector<ListingMessage> shown_;
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

// A document read from `text` through a file, as the program opens it, with the messages shown
// while reading it.
struct ReadListingResult {
    ListingDocument document;
    std::vector<std::string> messages;
    std::string path;
};

inline ReadListingResult readListingText(const std::string& text) {
    const std::string path = writeListingFile(text);
    RecordingSink sink;
    ListingDocument document = openListing(path, sink);
    return ReadListingResult{std::move(document), sink.messages(), path};
}

// The loads and designs of `text` as the reader leaves them, before the document sorts the
// distinct values: each list keeps the order its values first appear in. A floor load without
// X and Z ranges covers the plan from 0 to 12 m along X and from 0 to 8 m along Z.
struct ReadLoadsResult {
    LoadsAndDesigns loads;
    std::vector<std::string> messages;
};

inline ReadLoadsResult readLoadsText(const std::string& text) {
    const auto listing = listingInMemory(text, "loads.anl");
    RecordingSink sink;
    const PlanExtent extent{0, 1200, 0, 800};
    ReadLoadsResult result{readLoadsAndDesigns(*listing, extent, sink), {}};
    result.messages = sink.messages();
    return result;
}

// The head every listing of these tests needs: units, four joints, two members. Its joints span
// X 0 to 12 m and Z 0 to 8 m, the plan readLoadsText assumes.
inline std::string structureHead() {
    return lines({"    1. STAAD SPACE", "    2. UNIT METER KN", "    3. JOINT COORDINATES",
                  "    4. 1 0 0 0; 2 12 0 0; 3 0 3 0; 4 12 3 8", "    5. MEMBER INCIDENCES",
                  "    6. 1 1 2; 2 3 4", "    7. DEFINE MATERIAL"});
}

}  // namespace fp::testing

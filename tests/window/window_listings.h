// Listings written by the tests, and their messages recorded.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"
#include "reader/message_sink.h"

namespace fp::testing {

// Keeps every message, in the form it is shown in, instead of showing it.
class RecordingMessages : public MessageSink {
  public:
    void show(const ListingMessage& message) override { shown.push_back(message.described()); }

    std::vector<std::string> shown;
};

// A listing with levels at 0, 3.5 and 7 m on a 5 m by 4 m grid: beams with design blocks on
// the top level only, floor loads of 4.5 then 2 kN/m2, member loads of 10 and 12.5 kN/m.
std::string threeLevelListing();

// The same frame with neither floor loads nor member loads.
std::string unloadedListing();

// Two levels; on the upper one two +Z beams 0.6 m apart, whose pick boxes overlap.
std::string closeBeamsListing();

// Levels at 0, 3 and 6 m; the top one has one designed beam, the middle one a grid of 13 by 15
// joints with a designed beam between every two neighbours: 362, more than a plan draws.
std::string crowdedMiddleLevelListing();

// The document read from a listing file, as the window shares it.
std::shared_ptr<const ListingDocument> readDocument(const std::string& path, MessageSink& messages);

// `levels` levels 3 m apart, each with one closed 5 m by 4 m bay of designed beams from the
// second level up, and floor loads of `intensities` distinct intensities (1, 2, 3 ...) on the
// second level.
std::string manyLevelsListing(int levels, int intensities);

// A listing written to a file of its own, removed again at the end of the test.
class TemporaryListing {
  public:
    explicit TemporaryListing(const std::string& text);
    ~TemporaryListing();
    TemporaryListing(const TemporaryListing&) = delete;
    TemporaryListing& operator=(const TemporaryListing&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace fp::testing

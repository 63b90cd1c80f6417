// What the input echo of a listing tells about its completeness: numbers that jump, load-case
// headers with nothing under them, loads before the first header, the FINISH line, and whether
// its last line was written whole.
#pragma once

#include <future>
#include <string>
#include <vector>

#include "reader/listing_source.h"

namespace fp {

// Echo numbers that jump: the line numbered `before` is followed by the one numbered `after`.
struct EchoGap {
    long before = 0;
    long after = 0;
    long line = 0;  // the listing line of the echo line numbered `after`
};

// A load-case header whose next input line is another header, a combination, the analysis or
// the end of the input.
struct EmptyLoadCase {
    std::string caseNumber;
    long line = 0;
};

// A load command («FLOOR LOAD», «MEMBER LOAD», «JOINT LOAD») echoed before any load-case header.
struct LoadBeforeCases {
    std::string command;
    long line = 0;
};

struct ListingEcho {
    // Echo lines read; 0 for a listing without an input echo.
    long echoLines = 0;
    std::vector<EchoGap> gaps;
    std::vector<EmptyLoadCase> emptyCases;
    std::vector<LoadBeforeCases> loadsBeforeCases;
    bool finished = false;  // a FINISH line was echoed
    // The listing's last line ends with a line end (an empty listing counts as whole).
    bool lastLineWhole = true;
    long lastLine = 0;  // the number of the listing's last line
};

// Reads the listing once from top to bottom. Any failure to read throws ListingError.
ListingEcho readListingEcho(ListingSource& listing);

// The echo of the listing file at `path`, read on a thread of its own while the caller reads
// the listing into a document: a second pass over a large listing then costs no time of its
// own where a second processor is free.
class EchoReading {
  public:
    explicit EchoReading(const std::string& path);
    // Waits for the reading; a failure to read throws its ListingError here.
    ListingEcho result();

  private:
    std::future<ListingEcho> echo_;
};

}  // namespace fp

// What the input echo of a listing tells about its completeness: numbers that jump, load-case
// headers with nothing under them, loads before the first header, the FINISH line, whether its
// last line was written whole, and the job it belongs to.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reader/bounded_findings.h"
#include "reader/job_information.h"
#include "reader/load_combinations.h"

namespace fp {

// Echo numbers that jump at one echo line after another: from the line numbered `before` to the
// one numbered `after`, at the listing lines `firstLine` to `lastLine`, `missing` input lines in
// all. A listing that loses every other echo line has one run, not a million.
struct EchoGap {
    long before = 0;
    long after = 0;
    long firstLine = 0;
    long lastLine = 0;
    long missing = 0;
};

// A load-case header followed by nothing that applies a load (comments, and load commands with
// no statement under them, apply none) before another header, a combination, the analysis or
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
    BoundedFindings<EchoGap> gaps;
    BoundedFindings<EmptyLoadCase> emptyCases;
    BoundedFindings<LoadBeforeCases> loadsBeforeCases;
    bool finished = false;  // a FINISH line was echoed
    // The listing's last line ends with a line end (an empty listing counts as whole).
    bool lastLineWhole = true;
    long lastLine = 0;  // the number of the listing's last line
    JobInformation job;
    // In the order echoed.
    std::vector<LoadCombination> combinations;
    // The combinations past the count kept.
    long combinationsLeftOut = 0;
};

// Reads the echo from the listing's text, handed over in pieces of whole lines in file order.
class EchoScan {
  public:
    // `text` holds whole lines, each with its line end but perhaps the listing's last.
    void take(std::string_view text);
    // The echo, once every piece has been taken.
    ListingEcho finish();

  private:
    void takeLineByLine(std::string_view text);
    void takeEchoLinesOnly(std::string_view text);
    void takeLine(std::string_view line, long lineNumber);
    void takeEchoLine(long number, std::string_view input, long lineNumber);

    ListingEcho echo_;
    // The line ends taken so far.
    long linesBefore_ = 0;
    long previous_ = 0;
    bool anyHeader_ = false;
    // The last echo line jumped, and the run of jumps it belongs to was kept.
    bool inGapRun_ = false;
    bool gapRunKept_ = false;
    bool endsWithLineEnd_ = true;
    std::optional<EmptyLoadCase> openCase_;  // a header with no input line after it yet
    JobInformationReader job_;
    LoadCombinationReader combinations_;
};

}  // namespace fp

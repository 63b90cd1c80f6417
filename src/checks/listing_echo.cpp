// Reading the input echo line by line: «  160. LOAD 1 LOADTYPE Dead TITLE DEAD LOAD».
#include "checks/listing_echo.h"

#include <optional>
#include <string_view>

#include "checks/listing_lines.h"
#include "reader/load_case_header.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

struct EchoLine {
    long number = 0;
    std::string_view input;  // the input after the number, without outer blanks
};

// An echo line is its number, a point and the input line (which may be empty); nothing else in
// a listing starts that way: result tables start with a number followed by a blank, and real
// values carry a digit after the point.
std::optional<EchoLine> echoLineOf(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size() && line[at] == ' ') {
        ++at;
    }
    const std::size_t digits = at;
    long number = 0;
    constexpr long kLargest = 100000000;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9' && number < kLargest) {
        number = number * 10 + (line[at] - '0');
        ++at;
    }
    if (at == digits || at >= line.size() || line[at] != '.') {
        return std::nullopt;
    }
    ++at;
    if (at < line.size() && line[at] != ' ') {
        return std::nullopt;
    }
    return EchoLine{number, trimBlanks(line.substr(at))};
}

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

// The input lines that close a load case's own commands.
bool endsLoadCase(std::string_view input) {
    return startsWith(input, "LOAD COMB") || startsWith(input, "PERFORM") ||
           startsWith(input, "FINISH");
}

// The name of a load command, or empty.
std::string_view loadCommand(std::string_view input) {
    for (const std::string_view command : {"FLOOR LOAD", "MEMBER LOAD", "JOINT LOAD"}) {
        if (startsWith(input, command)) {
            return command;
        }
    }
    return {};
}

bool lastByteIsLineEnd(ListingSource& listing) {
    if (listing.size() == 0) {
        return true;
    }
    char last = 0;
    listing.readAt(listing.size() - 1, &last, 1);
    return last == '\n' || last == '\r';
}

}  // namespace

ListingEcho readListingEcho(ListingSource& listing) {
    ListingEcho echo;
    long previous = 0;
    bool anyHeader = false;
    std::optional<EmptyLoadCase> openCase;  // a header with no input line after it yet
    echo.lastLine = forEachListingLine(listing, [&](std::string_view line, long lineNumber) {
        const std::optional<EchoLine> input = echoLineOf(line);
        if (!input) {
            return;
        }
        if (echo.echoLines > 0 && input->number > previous + 1) {
            echo.gaps.push_back(EchoGap{previous, input->number, lineNumber});
        }
        ++echo.echoLines;
        previous = input->number;
        const std::optional<std::string_view> header = loadCaseNumber(line);
        if (openCase && (header || endsLoadCase(input->input))) {
            echo.emptyCases.push_back(*openCase);
        }
        openCase.reset();
        if (header) {
            openCase = EmptyLoadCase{std::string(*header), lineNumber};
            anyHeader = true;
        } else if (!anyHeader && !loadCommand(input->input).empty()) {
            echo.loadsBeforeCases.push_back(
                LoadBeforeCases{std::string(loadCommand(input->input)), lineNumber});
        }
        echo.finished = echo.finished || startsWith(input->input, "FINISH");
    });
    if (openCase) {
        echo.emptyCases.push_back(*openCase);
    }
    echo.lastLineWhole = lastByteIsLineEnd(listing);
    return echo;
}

EchoReading::EchoReading(const std::string& path)
    : echo_(std::async(std::launch::async, [path] {
          const auto listing = openListingFile(path);
          return readListingEcho(*listing);
      })) {}

ListingEcho EchoReading::result() {
    return echo_.get();
}

}  // namespace fp

// Reading the input echo line by line: «  160. LOAD 1 LOADTYPE Dead TITLE DEAD LOAD».
#include "reader/listing_echo.h"

#include <cstring>

#include "reader/byte_scan.h"
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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the line can be an echo line at all: blanks, then a digit. Most lines of a listing
// fail here, on their first bytes.
bool mayBeEchoLine(const char* at, const char* end) {
    while (at < end && *at == ' ') {
        ++at;
    }
    return at < end && *at >= '0' && *at <= '9';
}

// The input lines that close a load case's own commands.
bool endsLoadCase(std::string_view input) {
    return input.starts_with("LOAD COMB") || input.starts_with("PERFORM") ||
           input.starts_with("FINISH");
}

// The name of a load command, or empty.
std::string_view loadCommand(std::string_view input) {
    for (const std::string_view command : {"FLOOR LOAD", "MEMBER LOAD", "JOINT LOAD"}) {
        if (input.starts_with(command)) {
            return command;
        }
    }
    return {};
}

// Whether an input line gives its load case something to apply: a comment («* LIVE LOAD»), an
// empty line or a load command's heading alone gives nothing.
bool appliesLoad(std::string_view input) {
    return !input.empty() && !input.starts_with('*') && input != loadCommand(input);
}

}  // namespace

void EchoScan::take(std::string_view text) {
    if (text.empty()) {
        return;
    }
    // Listings with CR line ends are rare: they are read line by line.
    if (std::memchr(text.data(), '\r', text.size()) != nullptr) {
        takeLineByLine(text);
    } else {
        takeEchoLinesOnly(text);
    }
    endsWithLineEnd_ = text.back() == '\n' || text.back() == '\r';
}

void EchoScan::takeLineByLine(std::string_view text) {
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at < end) {
        const char* lineEnd = at;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r') {
            ++lineEnd;
        }
        if (mayBeEchoLine(at, lineEnd)) {
            takeLine(std::string_view(at, static_cast<std::size_t>(lineEnd - at)),
                     linesBefore_ + 1);
        }
        if (lineEnd == end) {
            break;
        }
        ++linesBefore_;
        at = lineEnd + 1;
        if (*lineEnd == '\r' && at < end && *at == '\n') {
            ++at;
        }
    }
}

// The text's echo lines are found by their numbers' points, the lines between them counted
// sixteen bytes at a time: most lines of a listing are never looked at one by one.
void EchoScan::takeEchoLinesOnly(std::string_view text) {
    const char* const base = text.data();
    const std::size_t size = text.size();
    std::size_t counted = 0;  // the line feeds before this offset are in linesBefore_
    std::size_t taken = 0;    // the lines before this offset are taken
    findNumberPoints(base, size, [&](std::size_t point) {
        if (point < taken) {
            return;
        }
        std::size_t start = point;
        while (start > 0 && isDigit(base[start - 1])) {
            --start;
        }
        while (start > 0 && base[start - 1] == ' ') {
            --start;
        }
        if (start > 0 && base[start - 1] != '\n') {
            return;
        }
        linesBefore_ += countLineFeeds(base + counted, base + start);
        counted = start;
        const void* lineFeed = std::memchr(base + point, '\n', size - point);
        const std::size_t end =
            lineFeed != nullptr
                ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - base)
                : size;
        takeLine(text.substr(start, end - start), linesBefore_ + 1);
        taken = end;
    });
    linesBefore_ += countLineFeeds(base + counted, base + size);
}

void EchoScan::takeLine(std::string_view line, long lineNumber) {
    if (const std::optional<EchoLine> input = echoLineOf(line)) {
        const std::optional<std::string_view> header = loadCaseNumber(line);
        if (openCase_ && (header || endsLoadCase(input->input))) {
            echo_.emptyCases.add(*openCase_);
            openCase_.reset();
        } else if (appliesLoad(input->input)) {
            openCase_.reset();
        }
        if (header) {
            openCase_ = EmptyLoadCase{std::string(*header), lineNumber};
            anyHeader_ = true;
        } else if (!anyHeader_ && !loadCommand(input->input).empty()) {
            echo_.loadsBeforeCases.add(
                LoadBeforeCases{std::string(loadCommand(input->input)), lineNumber});
        }
        takeEchoLine(input->number, input->input, lineNumber);
    }
}

void EchoScan::takeEchoLine(long number, std::string_view input, long lineNumber) {
    const bool jumps = echo_.echoLines > 0 && number > previous_ + 1;
    if (jumps && inGapRun_) {
        // A run past the bound is counted once, when it starts.
        if (gapRunKept_) {
            EchoGap& run = echo_.gaps.items.back();
            run.after = number;
            run.lastLine = lineNumber;
            run.missing += number - previous_ - 1;
        }
    } else if (jumps) {
        const std::size_t kept = echo_.gaps.items.size();
        echo_.gaps.add(EchoGap{previous_, number, lineNumber, lineNumber, number - previous_ - 1});
        gapRunKept_ = echo_.gaps.items.size() > kept;
    }
    inGapRun_ = jumps;
    ++echo_.echoLines;
    previous_ = number;
    echo_.finished = echo_.finished || input.starts_with("FINISH");
    job_.take(input, lineNumber);
    combinations_.take(input, lineNumber);
}

ListingEcho EchoScan::finish() {
    if (openCase_) {
        echo_.emptyCases.add(*openCase_);
        openCase_.reset();
    }
    // A last line without a line end is a line too.
    echo_.lastLine = linesBefore_ + (endsWithLineEnd_ ? 0 : 1);
    echo_.lastLineWhole = endsWithLineEnd_;
    echo_.job = job_.job();
    echo_.combinations = combinations_.finish();
    echo_.combinationsLeftOut = combinations_.leftOut();
    return std::move(echo_);
}

}  // namespace fp

// Writes the lines of a listing with echo numbers and page headings.
#include "listing_writer.h"

#include <utility>

namespace gen {

ListingWriter::ListingWriter(std::FILE* out, std::string title)
    : out_(out), title_(std::move(title)) {}

void ListingWriter::echo(const std::string& text, bool continuesStatement) {
    if (linesOnPage_ >= kLinesPerPage && !continuesStatement) {
        newPage();
    }
    char number[16];
    std::snprintf(number, sizeof number, "%5d. ", ++echoNumber_);
    put(number + text);
}

void ListingWriter::line(const std::string& text) {
    if (linesOnPage_ >= kLinesPerPage) {
        newPage();
    }
    put(text);
}

void ListingWriter::newPage() {
    char banner[160];
    std::snprintf(banner, sizeof banner,
                  " FRAME ANALYSIS PROGRAM  --  Version 4.2.1                    -- PAGE NO. %5d",
                  ++page_);
    char job[160];
    std::snprintf(job, sizeof job, "     JOB: %-50s    DATE 08-DEC-26", title_.c_str());
    linesOnPage_ = 0;
    put("");
    put(banner);
    put(job);
    if (!units_.empty()) {
        put(units_);
    }
    put("");
    for (const std::string& line : tableHeading_) {
        put(line);
    }
}

void ListingWriter::setUnits(std::string line) {
    units_ = std::move(line);
}

void ListingWriter::setTableHeading(std::vector<std::string> lines) {
    tableHeading_.clear();
    if (linesOnPage_ + static_cast<int>(lines.size()) + 3 > kLinesPerPage) {
        newPage();
    }
    tableHeading_ = std::move(lines);
    for (const std::string& line : tableHeading_) {
        put(line);
    }
}

void ListingWriter::put(const std::string& text) {
    if (out_ != nullptr) {
        std::fputs(text.c_str(), out_);
        std::fputc('\n', out_);
    }
    bytes_ += text.size() + 1;
    ++linesOnPage_;
}

std::string decimalText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (result.find('.') != std::string::npos) {
        result.erase(result.find_last_not_of('0') + 1);
        if (result.back() == '.') {
            result.pop_back();
        }
    }
    if (result == "-0") {
        result = "0";
    }
    return result;
}

}  // namespace gen

// Writes the lines of a listing: numbers the input echo and heads every page as the analysis
// program does: a banner line with the page number, the job title and, once the input has set
// them, the units in words.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace gen {

class ListingWriter {
  public:
    // With no file the writer only counts the bytes it would write.
    ListingWriter(std::FILE* out, std::string title);

    // One echoed input line, "   12. JOINT COORDINATES". A line that continues a statement
    // never starts a page, so a page heading does not cut the statement in two.
    void echo(const std::string& text, bool continuesStatement = false);
    // One printed line; a full page gets its heading first.
    void line(const std::string& text = {});
    void newPage();
    // The units every page heading names from the next page on, as the UNIT command sets them.
    void setUnits(std::string line);
    // Column headings repeated under every page heading until the table ends (empty).
    void setTableHeading(std::vector<std::string> lines);

    std::uint64_t bytesWritten() const { return bytes_; }

  private:
    void put(const std::string& text);

    static constexpr int kLinesPerPage = 58;

    std::FILE* out_;
    std::string title_;
    std::string units_;
    std::vector<std::string> tableHeading_;
    int echoNumber_ = 0;
    int page_ = 0;
    int linesOnPage_ = 0;
    std::uint64_t bytes_ = 0;
};

// A real in its shortest form with at most `decimals` decimals: 4.5, 0, 13.25, -0.01.
std::string decimalText(double value, int decimals = 3);

}  // namespace gen

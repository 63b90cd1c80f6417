// The state of reading one listing: its name, the open stream, the line last read.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "reader/text_stream.h"

namespace fp {

struct ListingReading {
    std::string ListingFileName;
    std::unique_ptr<TextStream> ListingStream;
    // The line last read; it carries over from one step, and one pass, to the next.
    std::string CurrentLine;
    // 1-based position at which the last keyword search found its keyword; 0 when not found.
    int FoundAt = 0;

    // Opens the listing afresh at its first line (each pass reads it from the top).
    void open() { ListingStream = std::make_unique<TextStream>(ListingFileName); }
    void close() { ListingStream.reset(); }

    bool AtEndOfStream() { return ListingStream->AtEndOfStream(); }

    void readLine() { CurrentLine.assign(ListingStream->readline()); }

    // Reads on to the next line holding one of `keys`; false at the end of the file, with
    // the file's last line as CurrentLine.
    bool readLineContaining(std::initializer_list<std::string_view> keys) {
        const bool found = ListingStream->readlineContaining(keys);
        CurrentLine.assign(ListingStream->lastLine());
        return found;
    }

    // The number of the line last read from the open stream, 0 when none is open.
    long lineNumber() const { return ListingStream ? ListingStream->lineNumber() : 0; }
};

}  // namespace fp

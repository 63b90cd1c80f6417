// Every line of a listing, read straight through in blocks of 1 MiB searched with memchr: the
// fastest way to look at the start of each line of a listing of hundreds of megabytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "reader/listing_source.h"

namespace fp {

inline constexpr std::size_t kListingBlockSize = std::size_t{1} << 20;

// The first `c` in [from, end), or end.
inline const char* firstOf(const char* from, const char* end, char c) {
    const void* at = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return at != nullptr ? static_cast<const char*>(at) : end;
}

// Calls `visit(line, number)` with each line of `listing` and its number from 1, in order. Lines
// end at LF, CRLF or CR, as the reader counts them; the line end is not part of the line, and a
// last line without one is still a line. Returns the number of lines. A template, so that the
// visit of each of millions of lines is inlined.
template <typename Visit>
long forEachListingLine(ListingSource& listing, Visit visit) {
    std::vector<char> block(kListingBlockSize);
    std::string carried;  // the start of a line that runs on into the next block
    bool carrying = false;
    bool skipLineFeed = false;  // the block before ended with the CR of a CRLF
    long number = 0;
    std::uint64_t offset = 0;
    const std::uint64_t size = listing.size();
    while (offset < size) {
        const std::size_t count = listing.readAt(offset, block.data(), block.size());
        if (count == 0) {
            break;
        }
        offset += count;
        const char* at = block.data();
        const char* const end = at + count;
        if (skipLineFeed && *at == '\n') {
            ++at;
        }
        skipLineFeed = false;
        const char* lf = firstOf(at, end, '\n');
        const char* cr = firstOf(at, end, '\r');
        while (at < end) {
            if (lf < at) {
                lf = firstOf(at, end, '\n');
            }
            if (cr < at) {
                cr = firstOf(at, end, '\r');
            }
            const char* lineEnd = lf < cr ? lf : cr;
            if (lineEnd == end) {
                carried.append(at, end);
                carrying = true;
                break;
            }
            std::string_view line(at, static_cast<std::size_t>(lineEnd - at));
            if (carrying) {
                carried.append(line);
                line = carried;
            }
            visit(line, ++number);
            carried.clear();
            carrying = false;
            at = lineEnd + 1;
            if (*lineEnd == '\r') {
                if (at < end && *at == '\n') {
                    ++at;
                } else if (at == end) {
                    skipLineFeed = true;
                }
            }
        }
    }
    if (carrying) {
        visit(carried, ++number);
    }
    return number;
}

}  // namespace fp

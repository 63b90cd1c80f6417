// Where the lines of a listing start, kept for every kStride-th line only, so that any range of
// lines can be read again from the file on demand without holding the listing's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "reader/listing_source.h"

namespace fp {

// Lines are numbered from 1 and end as the reader ends them: at LF, CRLF or CR. Lines may be read
// from several threads at once: a search on one while another shows them.
class LineIndex {
  public:
    // One offset of 8 bytes per this many lines.
    static constexpr long kStride = 16;
    // Lines handed out are cut at this many bytes: more than any listing line needs.
    static constexpr std::size_t kLongestShown = 4096;

    // Asked now and then during a long pass; true stops it.
    using Stopped = std::function<bool()>;

    // Reads `source` through once. `blockSize` is the size of each read of the file. Every later
    // reading of lines throws listingChanged() once the file is another version than the one
    // indexed. Stopped part-way, it throws ReadCancelled.
    explicit LineIndex(std::unique_ptr<ListingSource> source, std::size_t blockSize = 1 << 20,
                       const Stopped& stopped = {});

    long lineCount() const { return lineCount_; }
    // What the index itself holds, in bytes.
    std::size_t memoryBytes() const { return starts_.capacity() * sizeof(std::uint64_t); }

    // The lines first .. first + count - 1 that the listing has, read from the file.
    std::vector<std::string> lines(long first, long count) const;

    // The first line after `from` (or before it, going back) that holds `text`, ASCII letters
    // matched in either case; the search wraps round the listing once, so `from` itself is
    // tried last. 0 when no line holds it, or when stopped first.
    long find(std::string_view text, long from, bool forward, const Stopped& stopped = {}) const;

    // The lines of the statement `line` belongs to: a line ending in " -" goes on in the next.
    // At most kLongestStatement lines either way.
    std::pair<long, long> statementAround(long line) const;
    static constexpr long kLongestStatement = 50;

  private:
    // Calls `visit` with each line from `first` on, in order, until it returns false or the
    // listing ends.
    void walkLines(long first, const std::function<bool(long, std::string_view)>& visit) const;
    void build(const Stopped& stopped);

    std::unique_ptr<ListingSource> source_;
    // One read of the file at a time: the source reads by seeking.
    mutable std::mutex reading_;
    std::size_t blockSize_;
    // The offset of line 1, 1 + kStride, 1 + 2 kStride, ...
    std::vector<std::uint64_t> starts_;
    long lineCount_ = 0;
};

}  // namespace fp

// A listing read as 8-bit text line by line, in blocks, without holding it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "model/listing_error.h"
#include "reader/key_search.h"
#include "reader/line_blocks.h"
#include "reader/listing_source.h"

namespace fp {

// Lines end at LF, CRLF or CR; the line end is never part of a line, and a last line without
// a line end is still a line. Any byte, NUL included, is text. The listing is read in blocks
// of kBlockSize (a longer line grows its block, up to kLongestLine), so memory does not depend
// on the listing's size. A line of kLongestLine bytes or more throws ListingError naming it.
class TextStream {
  public:
    // Reads `source`, which must outlive the stream, from its first line.
    explicit TextStream(ListingSource& source);
    TextStream(const TextStream&) = delete;
    TextStream& operator=(const TextStream&) = delete;

    // True when no line is left.
    bool atEnd();

    // The next line; the view stays valid until the next read. At the end: the empty text.
    std::string_view readLine();

    // Reads on to the first line that holds one of `keys` and returns true with that line as
    // the line last read. Lines without a key are passed over quickly, without being split: a
    // block is searched once for each key. False at the end of the file; the line last read is
    // then the file's last line. Keys are at least one character and hold no line end; a stream
    // takes up to 64 different keys.
    bool readLineContaining(std::span<const std::string_view> keys);
    bool readLineContaining(std::initializer_list<std::string_view> keys) {
        return readLineContaining(std::span<const std::string_view>(keys.begin(), keys.size()));
    }

    // Has `watch` called with the text of every block of whole lines the stream reads from
    // here on, once each and in file order, whatever the stream searches them for.
    void watchBlocks(std::function<void(std::string_view)> watch) { watch_ = std::move(watch); }
    // Reads the rest of the listing, for the watcher; the line last read is then the last.
    void readToEnd();

    // File offsets of the line last read and of the line after it.
    std::uint64_t lineOffset() const { return lineOffset_; }
    std::uint64_t nextLineOffset() const { return nextLineOffset_; }

    // Calls `visit` with each line of the file between the offsets `from` and `to`, both line
    // starts, in order. They are taken from the block when it still holds them, else read
    // again from the source.
    void forEachLineBetween(std::uint64_t from, std::uint64_t to,
                            const std::function<void(std::string_view)>& visit);

    // The line last read (by either call); empty before the first.
    std::string_view lastLine() const { return line_; }

    // The 1-based number of the line last read; counted on demand, for messages.
    long lineNumber() const;
    // The number of the line that starts at `offset`.
    long lineNumberAt(std::uint64_t offset) const;

    ListingSource& source() const { return source_; }

  private:
    // The lines of the byte range [from, to) of the source, which begins at a line start.
    TextStream(ListingSource& source, std::uint64_t from, std::uint64_t to);

    bool nextBlock();
    std::size_t nextLineEnd(std::size_t from);
    std::size_t firstHit(KeySet keys);
    void takeLine(std::size_t start, std::size_t end);
    void passOverToLastLine();
    void countLinesInBlockUpTo(std::uint64_t offset) const;

    ListingSource& source_;
    std::function<void(std::string_view)> watch_;
    KeyTable keys_;
    LineBlocks blocks_;
    LineBlock* block_ = nullptr;  // the block being read; null before the first and after the last
    std::size_t at_ = 0;          // its first unread byte
    // The next LF and CR at or after lfFrom_ and crFrom_ in the block (its size when none).
    std::size_t lfAt_ = 0;
    std::size_t lfFrom_ = 0;
    std::size_t crAt_ = 0;
    std::size_t crFrom_ = 0;
    std::string_view line_;
    std::string heldLine_;  // a line kept while the block it stood in is given back
    std::uint64_t lineOffset_ = 0;
    bool anyLine_ = false;
    std::uint64_t nextLineOffset_ = 0;
    // Where lineNumberAt() last stopped counting, and the line ends it had counted before it.
    mutable std::uint64_t countedTo_ = 0;
    mutable long lineEndsBefore_ = 0;
    mutable bool countedAfterCr_ = false;
    mutable std::unique_ptr<char[]> countBlock_;
};

// The failure of a line longer than kLongestLine.
ListingError lineTooLong();

}  // namespace fp

// A listing read line by line, in blocks, without holding it.
#include "reader/text_stream.h"

#include <algorithm>
#include <cstring>

#include "model/listing_error.h"
#include "reader/byte_scan.h"

namespace fp {
namespace {

constexpr std::size_t kCountBlock = std::size_t{64} << 10;

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

constexpr std::size_t kRun = 64;

// Whether the byte at `at` ends a line: a CR, or an LF that does not complete a CRLF.
unsigned char endsLine(const char* at) {
    return (at[0] == '\r') | ((at[0] == '\n') & (at[-1] != '\r'));
}

// The line ends among the kRun bytes at `run`, which has a byte before it. A loop of a fixed
// length, which the compiler turns into vector instructions.
unsigned char lineEndsInRun(const char* run) {
    unsigned char ends = 0;
    for (std::size_t i = 0; i < kRun; ++i) {
        ends += endsLine(run + i);
    }
    return ends;
}

// The line ends in bytes [0, size). `afterCr` tells whether the byte before them was a CR, and
// is left telling it for the next bytes.
long countLineEnds(const char* bytes, std::size_t size, bool& afterCr) {
    if (size == 0) {
        return 0;
    }
    // Without a CR, the line ends are the line feeds, counted sixteen bytes at a time.
    if (std::memchr(bytes, '\r', size) == nullptr) {
        afterCr = false;
        return static_cast<long>(countLineFeeds(bytes, bytes + size));
    }
    long count = (bytes[0] == '\r' || (bytes[0] == '\n' && !afterCr)) ? 1 : 0;
    std::size_t at = 1;
    for (; at + kRun <= size; at += kRun) {
        count += lineEndsInRun(bytes + at);
    }
    for (; at < size; ++at) {
        count += endsLine(bytes + at);
    }
    afterCr = bytes[size - 1] == '\r';
    return count;
}

}  // namespace

TextStream::TextStream(ListingSource& source) : source_(source), blocks_(source, 0, UINT64_MAX) {}

TextStream::TextStream(ListingSource& source, std::uint64_t from, std::uint64_t to)
    : source_(source), blocks_(source, from, to) {}

// Gives back the block read so far, keeping the line last read, and takes the next one.
bool TextStream::nextBlock() {
    if (block_ != nullptr) {
        countLinesInBlockUpTo(block_->offset + block_->text.size());
        const char* const text = block_->text.data();
        if (line_.data() >= text && line_.data() <= text + block_->text.size()) {
            heldLine_.assign(line_);
            line_ = heldLine_;
        }
    }
    block_ = nullptr;
    try {
        block_ = blocks_.next();
    } catch (const OverlongLine& overlong) {
        throw lineTooLong().atLine(lineNumberAt(overlong.offset));
    }
    at_ = 0;
    lfFrom_ = crFrom_ = SIZE_MAX;
    if (block_ != nullptr && watch_) {
        watch_(block_->text);
    }
    return block_ != nullptr;
}

void TextStream::readToEnd() {
    while (block_ != nullptr || nextBlock()) {
        passOverToLastLine();
        if (block_->last) {
            return;
        }
        nextBlock();
    }
}

bool TextStream::atEnd() {
    while (block_ == nullptr || at_ == block_->text.size()) {
        if ((block_ != nullptr && block_->last) || !nextBlock()) {
            return true;
        }
    }
    return false;
}

// The first LF or CR at or after `from` in the block; the next of each is remembered, so a
// file with only one kind of line end is not searched to the block's end for the other on
// every line.
std::size_t TextStream::nextLineEnd(std::size_t from) {
    const std::string_view text = block_->text;
    const auto next = [text, from](char c, std::size_t& at, std::size_t& searchedFrom) {
        if (searchedFrom > from || at < from) {
            const void* hit = std::memchr(text.data() + from, c, text.size() - from);
            at = hit == nullptr
                     ? text.size()
                     : static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
            searchedFrom = from;
        }
        return at;
    };
    return std::min(next('\n', lfAt_, lfFrom_), next('\r', crAt_, crFrom_));
}

void TextStream::takeLine(std::size_t start, std::size_t end) {
    line_ = block_->text.substr(start, end - start);
    lineOffset_ = block_->offset + start;
    anyLine_ = true;
}

std::string_view TextStream::readLine() {
    if (atEnd()) {
        return {};
    }
    const std::string_view text = block_->text;
    const std::size_t lineEnd = nextLineEnd(at_);
    std::size_t next = std::min(lineEnd + 1, text.size());
    if (lineEnd < text.size() && text[lineEnd] == '\r' && next < text.size() &&
        text[next] == '\n') {
        ++next;
    }
    takeLine(at_, lineEnd);
    at_ = next;
    nextLineOffset_ = block_->offset + at_;
    return line_;
}

// The place of the first key of `keys` in the block's unread text, or npos. Keys the block
// has not been searched for yet are searched for in it now.
std::size_t TextStream::firstHit(KeySet keys) {
    LineBlock& block = *block_;
    const KeySet missing = keys & ~block.searched;
    if (missing != 0) {
        const auto searched = static_cast<std::ptrdiff_t>(block.hits.size());
        keys_.find(block.text, missing, block.hits);
        std::inplace_merge(block.hits.begin(), block.hits.begin() + searched, block.hits.end());
        block.searched |= missing;
    }
    for (auto hit = std::lower_bound(block.hits.begin(), block.hits.end(), KeyHit{at_, 0});
         hit != block.hits.end(); ++hit) {
        if ((keys >> hit->key & 1) != 0) {
            return hit->at;
        }
    }
    return std::string_view::npos;
}

// Makes the last line of the block's unread text the line last read, as if every line up to
// it had been read.
void TextStream::passOverToLastLine() {
    const std::string_view text = block_->text;
    if (at_ == text.size()) {
        return;
    }
    std::size_t end = text.size();
    if (text[end - 1] == '\n') {
        --end;
        if (end > at_ && text[end - 1] == '\r') {
            --end;
        }
    } else if (text[end - 1] == '\r') {
        --end;
    }
    std::size_t start = end;
    while (start > at_ && !isLineEnd(text[start - 1])) {
        --start;
    }
    takeLine(start, end);
    at_ = text.size();
    nextLineOffset_ = block_->offset + at_;
}

bool TextStream::readLineContaining(std::span<const std::string_view> keys) {
    const KeySet wanted = keys_.setOf(keys);
    while (block_ != nullptr || nextBlock()) {
        const std::size_t hit = firstHit(wanted);
        if (hit != std::string_view::npos) {
            std::size_t start = hit;
            while (start > at_ && !isLineEnd(block_->text[start - 1])) {
                --start;
            }
            at_ = start;
            readLine();
            return true;
        }
        // The listing may end before another line is read: the block's last line is kept.
        passOverToLastLine();
        if (block_->last) {
            return false;
        }
        nextBlock();
    }
    return false;
}

void TextStream::forEachLineBetween(std::uint64_t from, std::uint64_t to,
                                    const std::function<void(std::string_view)>& visit) {
    if (from >= to) {
        return;
    }
    if (block_ != nullptr && from >= block_->offset && to <= block_->offset + block_->text.size()) {
        const std::string_view text = block_->text;
        std::size_t at = static_cast<std::size_t>(from - block_->offset);
        const std::size_t end = static_cast<std::size_t>(to - block_->offset);
        while (at < end) {
            std::size_t lineEnd = at;
            while (lineEnd < end && !isLineEnd(text[lineEnd])) {
                ++lineEnd;
            }
            visit(text.substr(at, lineEnd - at));
            const bool carriageReturn = lineEnd < end && text[lineEnd] == '\r';
            at = lineEnd + 1;
            if (carriageReturn && at < end && text[at] == '\n') {
                ++at;
            }
        }
        return;
    }
    TextStream range(source_, from, to);
    while (!range.atEnd()) {
        visit(range.readLine());
    }
}

long TextStream::lineNumber() const {
    return anyLine_ ? lineNumberAt(lineOffset_) : 0;
}

// Once the count has reached the block in hand, it goes on in the block's own bytes while they
// are still in the processor's cache, up to `offset` at most.
void TextStream::countLinesInBlockUpTo(std::uint64_t offset) const {
    if (block_ == nullptr || countedTo_ < block_->offset) {
        return;
    }
    const std::uint64_t end = std::min(offset, block_->offset + block_->text.size());
    if (countedTo_ >= end) {
        return;
    }
    const std::size_t from = static_cast<std::size_t>(countedTo_ - block_->offset);
    const std::size_t size = static_cast<std::size_t>(end - countedTo_);
    lineEndsBefore_ += countLineEnds(block_->text.data() + from, size, countedAfterCr_);
    countedTo_ = end;
}

// Counted from where the last count stopped, so that numbering lines in file order reads the
// file once in all: the lines of the block in hand from its bytes, those before it from the
// source.
long TextStream::lineNumberAt(std::uint64_t offset) const {
    if (offset < countedTo_) {
        countedTo_ = 0;
        lineEndsBefore_ = 0;
        countedAfterCr_ = false;
    }
    while (countedTo_ < offset) {
        const std::uint64_t before = countedTo_;
        countLinesInBlockUpTo(offset);
        if (countedTo_ != before) {
            continue;
        }
        // The source is read up to the block in hand, whose own bytes are counted after.
        const std::uint64_t readTo = block_ != nullptr && block_->offset > countedTo_
                                         ? std::min(offset, block_->offset)
                                         : offset;
        if (countBlock_ == nullptr) {
            countBlock_.reset(new char[kCountBlock]);
        }
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(kCountBlock, readTo - countedTo_));
        const std::size_t count = source_.readAt(countedTo_, countBlock_.get(), wanted);
        if (count == 0) {
            break;
        }
        lineEndsBefore_ += countLineEnds(countBlock_.get(), count, countedAfterCr_);
        countedTo_ += count;
    }
    return lineEndsBefore_ + 1;
}

ListingError lineTooLong() {
    return ListingError("The line is longer than " + std::to_string(kLongestLine >> 20) +
                            " MB, more than any line of an analysis listing",
                        "Check that the file is the analysis output listing, a text file.");
}

}  // namespace fp

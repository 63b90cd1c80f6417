// A listing read line by line, in large blocks, without holding it.
#include "reader/text_stream.h"

#include <algorithm>
#include <cstring>

#include "model/listing_error.h"
#include "reader/key_search.h"

namespace fp {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

}  // namespace

TextStream::TextStream(ListingSource& source) : source_(source) {
    // A small listing needs no more than its own size; the block grows if the listing does.
    buffer_.resize(
        static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, source.size() + 1)));
}

TextStream::TextStream(ListingSource& source, std::uint64_t from, std::uint64_t to)
    : TextStream(source) {
    bufferOffset_ = from;
    readLimit_ = to;
}

bool TextStream::fill() {
    if (endOfFile_) {
        return false;
    }
    const char* const data = buffer_.data();
    if (line_.data() >= data && line_.data() < data + buffer_.size()) {
        heldLine_.assign(line_);
        line_ = heldLine_;
    }
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        bufferOffset_ += begin_;
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) {
        // The block holds one unfinished line: a longer line grows it, up to the longest line.
        if (buffer_.size() >= kLongestLine) {
            throw lineTooLong().atLine(lineNumberAt(bufferOffset_));
        }
        buffer_.resize(std::min(buffer_.size() * 2, kLongestLine));
    }
    ++generation_;
    const std::uint64_t readTo = bufferOffset_ + end_;
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(
        buffer_.size() - end_, readLimit_ > readTo ? readLimit_ - readTo : 0));
    const std::size_t count =
        wanted == 0 ? 0 : source_.readAt(readTo, buffer_.data() + end_, wanted);
    if (count == 0) {
        endOfFile_ = true;
        return false;
    }
    end_ += count;
    return true;
}

bool TextStream::atEnd() {
    return begin_ == end_ && !fill();
}

// The first LF or CR at or after `from`; the next of each is remembered, so a file with only
// one kind of line end is not searched to the block's end for the other on every line.
std::size_t TextStream::nextLineEnd(std::size_t from) {
    if (endsGeneration_ != generation_) {
        endsGeneration_ = generation_;
        lfFrom_ = crFrom_ = end_ + 1;
    }
    const auto next = [this, from](char c, std::size_t& at, std::size_t& searchedFrom) {
        if (searchedFrom > from || at < from) {
            const void* hit = std::memchr(buffer_.data() + from, c, end_ - from);
            at = hit == nullptr
                     ? end_
                     : static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.data());
            searchedFrom = from;
        }
        return at;
    };
    return std::min(next('\n', lfAt_, lfFrom_), next('\r', crAt_, crFrom_));
}

void TextStream::takeLine(std::size_t start, std::size_t end) {
    line_ = std::string_view(buffer_.data() + start, end - start);
    lineOffset_ = bufferOffset_ + start;
    anyLine_ = true;
}

std::string_view TextStream::readLine() {
    while (true) {
        const std::size_t lineEnd = nextLineEnd(begin_);
        if (lineEnd < end_) {
            std::size_t next = lineEnd + 1;
            if (buffer_[lineEnd] == '\r') {
                // A CR at the block's end may be the first half of a CRLF.
                if (next == end_ && !endOfFile_) {
                    fill();
                    continue;
                }
                if (next < end_ && buffer_[next] == '\n') {
                    ++next;
                }
            }
            takeLine(begin_, lineEnd);
            begin_ = next;
            nextLineOffset_ = bufferOffset_ + begin_;
            return line_;
        }
        if (!fill()) {
            if (begin_ == end_) {
                return {};
            }
            takeLine(begin_, end_);
            begin_ = end_;
            nextLineOffset_ = bufferOffset_ + begin_;
            return line_;
        }
    }
}

std::size_t TextStream::findInBuffer(std::string_view key) {
    auto hit = std::find_if(keyHits_.begin(), keyHits_.end(),
                            [key](const KeyHit& known) { return known.key == key; });
    if (hit == keyHits_.end()) {
        keyHits_.push_back(KeyHit{key});
        hit = keyHits_.end() - 1;
    }
    if (hit->generation != generation_ || hit->searchedFrom > begin_ || hit->at < begin_) {
        const std::string_view unread(buffer_.data() + begin_, end_ - begin_);
        const std::size_t found = findKey(unread, key);
        hit->at = found == std::string_view::npos ? end_ : begin_ + found;
        hit->searchedFrom = begin_;
        hit->generation = generation_;
    }
    return hit->at;
}

// Keeps a copy of the last whole line before `cut` (which follows a line end), in case the
// file ends before another line is read.
void TextStream::holdLastCompleteLine(std::size_t cut) {
    std::size_t end = cut - 1;
    if (buffer_[end] == '\n' && end > begin_ && buffer_[end - 1] == '\r') {
        --end;
    }
    std::size_t start = end;
    while (start > begin_ && !isLineEnd(buffer_[start - 1])) {
        --start;
    }
    heldLine_.assign(buffer_.data() + start, end - start);
    line_ = heldLine_;
    lineOffset_ = bufferOffset_ + start;
    nextLineOffset_ = bufferOffset_ + cut;
    anyLine_ = true;
}

// At the end of the file: the file's last line becomes the line last read.
void TextStream::takeFinalLine() {
    if (begin_ == end_) {
        return;
    }
    std::size_t end = end_;
    if (buffer_[end - 1] == '\n') {
        --end;
        if (end > begin_ && buffer_[end - 1] == '\r') {
            --end;
        }
    } else if (buffer_[end - 1] == '\r') {
        --end;
    }
    std::size_t start = end;
    while (start > begin_ && !isLineEnd(buffer_[start - 1])) {
        --start;
    }
    takeLine(start, end);
    begin_ = end_;
    nextLineOffset_ = bufferOffset_ + end_;
}

bool TextStream::readLineContaining(std::span<const std::string_view> keys) {
    while (true) {
        std::size_t hit = end_;
        for (const std::string_view key : keys) {
            hit = std::min(hit, findInBuffer(key));
        }
        if (hit < end_) {
            std::size_t start = hit;
            while (start > begin_ && !isLineEnd(buffer_[start - 1])) {
                --start;
            }
            begin_ = start;
            readLine();
            return true;
        }
        if (endOfFile_) {
            takeFinalLine();
            return false;
        }
        // Drop the whole lines; the last one may be unfinished and still receive a key. A CR
        // in the last byte may be half of a CRLF, so it is never taken as a line's end here.
        std::size_t cut = begin_;
        for (std::size_t at = end_ > begin_ ? end_ - 1 : begin_; at > begin_; --at) {
            const std::size_t lineEnd = at - 1;
            if (isLineEnd(buffer_[lineEnd])) {
                cut = at;
                if (buffer_[lineEnd] == '\r' && buffer_[at] == '\n') {
                    cut = at + 1;
                }
                break;
            }
        }
        if (cut > begin_) {
            holdLastCompleteLine(cut);
            begin_ = cut;
        }
        fill();
    }
}

void TextStream::forEachLineBetween(std::uint64_t from, std::uint64_t to,
                                    const std::function<void(std::string_view)>& visit) {
    if (from >= to) {
        return;
    }
    if (from >= bufferOffset_ && to <= bufferOffset_ + end_) {
        std::size_t at = static_cast<std::size_t>(from - bufferOffset_);
        const std::size_t end = static_cast<std::size_t>(to - bufferOffset_);
        while (at < end) {
            std::size_t lineEnd = at;
            while (lineEnd < end && !isLineEnd(buffer_[lineEnd])) {
                ++lineEnd;
            }
            visit(std::string_view(buffer_.data() + at, lineEnd - at));
            const bool carriageReturn = lineEnd < end && buffer_[lineEnd] == '\r';
            at = lineEnd + 1;
            if (carriageReturn && at < end && buffer_[at] == '\n') {
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

// Counted from where the last count stopped, so that numbering lines in file order reads the
// file once in all.
long TextStream::lineNumberAt(std::uint64_t offset) const {
    if (offset < countedTo_) {
        countedTo_ = 0;
        lineEndsBefore_ = 0;
        countedAfterCr_ = false;
    }
    std::vector<char> block(
        static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, offset - countedTo_ + 1)));
    while (countedTo_ < offset) {
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), offset - countedTo_));
        const std::size_t count = source_.readAt(countedTo_, block.data(), wanted);
        if (count == 0) {
            break;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const char c = block[i];
            if (c == '\r' || (c == '\n' && !countedAfterCr_)) {
                ++lineEndsBefore_;
            }
            countedAfterCr_ = c == '\r';
        }
        countedTo_ += count;
    }
    return lineEndsBefore_ + 1;
}

ListingError lineTooLong() {
    return ListingError("The line is longer than " + std::to_string(kLongestLine >> 20) +
                            " MB, more than any line of an analysis listing",
                        "Check that the file is the analysis output listing, a text file.");
}

std::string lastLineOf(ListingSource& source) {
    const std::uint64_t fileSize = source.size();
    std::string tail;
    for (std::uint64_t length = 4096;; length *= 2) {
        const std::uint64_t start = fileSize > length ? fileSize - length : 0;
        tail.resize(static_cast<std::size_t>(fileSize - start));
        std::size_t got = 0;
        while (got < tail.size()) {
            const std::size_t count =
                source.readAt(start + got, tail.data() + got, tail.size() - got);
            if (count == 0) {
                break;
            }
            got += count;
        }
        tail.resize(got);
        std::size_t end = tail.size();
        if (end > 0 && tail[end - 1] == '\n') {
            --end;
            if (end > 0 && tail[end - 1] == '\r') {
                --end;
            }
        } else if (end > 0 && tail[end - 1] == '\r') {
            --end;
        }
        const std::size_t lineEnd = tail.find_last_of("\r\n", end == 0 ? 0 : end - 1);
        const bool whole = lineEnd != std::string::npos && lineEnd < end;
        const std::size_t lineStart = whole ? lineEnd + 1 : 0;
        if (end - lineStart > kLongestLine) {
            throw lineTooLong();
        }
        if (whole || start == 0) {
            return tail.substr(lineStart, end - lineStart);
        }
    }
}

}  // namespace fp

// A listing read in blocks of whole lines.
#include "reader/line_blocks.h"

#include <algorithm>
#include <cstring>

namespace fp {
namespace {

// Room for the unfinished line a block takes over from the one before.
constexpr std::size_t kCarryRoom = std::size_t{16} << 10;
constexpr std::size_t kLargestBlock = kLongestLine + kBlockSize;

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The position after the last line end in bytes [from, end), or `from` when there is none. A
// CR in the last byte may be the first half of a CRLF, and is left to the next block.
std::size_t afterLastLineEnd(const char* bytes, std::size_t from, std::size_t end) {
    std::size_t at = end;
    if (at > from && bytes[at - 1] == '\r') {
        --at;
    }
    while (at > from && !isLineEnd(bytes[at - 1])) {
        --at;
    }
    return at;
}

// The length of the first line in bytes [0, end), its line end left out.
std::size_t firstLineLength(const char* bytes, std::size_t end) {
    const char* first = bytes + end;
    for (const char lineEnd : {'\n', '\r'}) {
        if (const void* found = std::memchr(bytes, lineEnd, end)) {
            first = std::min(first, static_cast<const char*>(found));
        }
    }
    return static_cast<std::size_t>(first - bytes);
}

}  // namespace

LineBlocks::LineBlocks(ListingSource& source, std::uint64_t from, std::uint64_t to)
    : source_(source), readOffset_(from), limit_(std::min(to, source.size())) {}

LineBlock* LineBlocks::next() {
    if (readToEnd_) {
        return nullptr;
    }
    Slot& slot = slots_[blocksRead_ % slots_.size()];
    const Slot* before = blocksRead_ > 0 ? &slots_[(blocksRead_ - 1) % slots_.size()] : nullptr;
    try {
        read(slot, before);
    } catch (...) {
        readToEnd_ = true;
        throw;
    }
    ++blocksRead_;
    return &slot.block;
}

// Reads the next block into `slot`: the unfinished line at the end of `before` first, then the
// listing on, until the block holds a whole line or the listing ends.
void LineBlocks::read(Slot& slot, const Slot* before) {
    const std::size_t carried = before == nullptr ? 0 : before->end - before->block.text.size();
    LineBlock& block = slot.block;
    block.text = {};
    block.offset = readOffset_ - carried;
    block.last = false;
    block.hits.clear();
    block.searched = 0;
    // A short listing is read in one block of its own size, its end found by the same read.
    const std::uint64_t left = limit_ > readOffset_ ? limit_ - readOffset_ : 0;
    makeRoom(slot,
             carried + static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, left + 1)), 0);
    if (carried > 0) {
        std::memcpy(slot.bytes.get(), before->bytes.get() + before->block.text.size(), carried);
    }
    slot.end = carried;
    std::size_t searchFrom = 0;
    while (true) {
        const std::size_t wanted = slot.capacity - slot.end;
        const std::size_t got = readSome(slot.bytes.get() + slot.end, wanted);
        slot.end += got;
        const char* const bytes = slot.bytes.get();
        const bool atEnd = got < wanted;
        const std::size_t linesEnd =
            atEnd ? slot.end : afterLastLineEnd(bytes, searchFrom, slot.end);
        if (atEnd || linesEnd > searchFrom) {
            if (slot.end >= kLongestLine && firstLineLength(bytes, slot.end) >= kLongestLine) {
                throw OverlongLine{block.offset};
            }
            block.text = std::string_view(bytes, linesEnd);
            block.last = atEnd;
            readToEnd_ = atEnd;
            return;
        }
        // One unfinished line fills the block: it grows, keeping what it holds. A CR at its
        // end may yet be half of a CRLF.
        if (slot.end - (bytes[slot.end - 1] == '\r' ? 1 : 0) >= kLongestLine) {
            throw OverlongLine{block.offset};
        }
        searchFrom = slot.end - 1;
        makeRoom(slot, std::min(slot.capacity * 2, kLargestBlock), slot.end);
    }
}

// Reads up to `size` bytes at the reading offset; fewer only at the end of what is read.
std::size_t LineBlocks::readSome(char* into, std::size_t size) {
    std::size_t got = 0;
    while (got < size && readOffset_ < limit_) {
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(size - got, limit_ - readOffset_));
        const std::size_t count = source_.readAt(readOffset_, into + got, wanted);
        if (count == 0) {
            break;
        }
        got += count;
        readOffset_ += count;
    }
    return got;
}

// Gives the slot room for `size` bytes, keeping its first `keep`, with room to spare for a
// longer unfinished line; a slot grown for a long line gives its memory back once it holds
// short lines again.
void LineBlocks::makeRoom(Slot& slot, std::size_t size, std::size_t keep) {
    const std::size_t roomy = std::max(size, std::min(size, kBlockSize) + kCarryRoom);
    if (slot.capacity >= size && slot.capacity <= 2 * roomy) {
        return;
    }
    std::unique_ptr<char[]> bytes(new char[roomy]);
    if (keep > 0) {
        std::memcpy(bytes.get(), slot.bytes.get(), keep);
    }
    slot.bytes = std::move(bytes);
    slot.capacity = roomy;
}

}  // namespace fp

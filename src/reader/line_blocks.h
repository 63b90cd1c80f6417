// A listing read in blocks of whole lines.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "reader/key_search.h"
#include "reader/listing_source.h"

namespace fp {

// The longest line a listing may have; a longer one (a file that is not a listing, or has no
// line ends) fails rather than fill the memory.
inline constexpr std::size_t kLongestLine = std::size_t{4} << 20;

// Lines are read in blocks of this size, small enough to stay in the processor's cache while
// they are searched; a longer line grows its block, up to kLongestLine.
inline constexpr std::size_t kBlockSize = std::size_t{128} << 10;

// Whole lines of a listing, each with its line end: a line never spans two blocks, and a CR
// that ends a block is never the first half of a CRLF. Only the last block's last line may lack
// a line end.
struct LineBlock {
    std::string_view text;
    std::uint64_t offset = 0;  // of the text's first byte in the listing
    bool last = false;         // no block follows
    // The places where the keys of `searched` begin in the text, in order.
    std::vector<KeyHit> hits;
    KeySet searched = 0;
};

// A line of kLongestLine bytes or more, which starts at `offset` in the listing.
struct OverlongLine {
    std::uint64_t offset = 0;
};

class LineBlocks {
  public:
    // The lines of `source` from the offset `from`, a line start, up to the offset `to`.
    // Nothing is read before the first call of next().
    LineBlocks(ListingSource& source, std::uint64_t from, std::uint64_t to);

    // Gives back the block handed out before, which must no longer be used, and reads and
    // hands out the next; nullptr once the last has been handed out. A line of kLongestLine
    // bytes or more throws OverlongLine, and a failure of the source (ListingError,
    // ReadCancelled) is thrown as it is, once the blocks before it have been handed out.
    LineBlock* next();

  private:
    struct Slot {
        LineBlock block;
        std::unique_ptr<char[]> bytes;
        std::size_t capacity = 0;
        std::size_t end = 0;  // of the bytes read, the last line unfinished included
    };

    void read(Slot& slot, const Slot* before);
    std::size_t readSome(char* into, std::size_t size);
    void makeRoom(Slot& slot, std::size_t size, std::size_t keep);

    ListingSource& source_;
    std::uint64_t readOffset_;  // where the next read starts
    std::uint64_t limit_;
    // The block handed out, and the one before it, whose unfinished last line the next takes.
    std::array<Slot, 2> slots_;
    std::uint64_t blocksRead_ = 0;
    bool readToEnd_ = false;  // the last block has been read, or the reading has failed
};

}  // namespace fp

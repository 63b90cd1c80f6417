// Building the line index in one pass over the file, and reading lines back through it.
#include "reader/line_index.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "reader/read_progress.h"

namespace fp {
namespace {

// The line ends of one block, LF and CR found apart so that each is searched for only once.
class LineEnds {
  public:
    LineEnds(const char* bytes, std::size_t size)
        : bytes_(bytes), size_(size), hasCr_(std::memchr(bytes, '\r', size) != nullptr) {
        lf_ = find('\n', 0);
        cr_ = hasCr_ ? find('\r', 0) : size;
    }

    // The position of the first line end at or after `from`; the block's size when none.
    std::size_t next(std::size_t from) {
        if (lf_ < from) {
            lf_ = find('\n', from);
        }
        if (!hasCr_) {
            return lf_;
        }
        if (cr_ < from) {
            cr_ = find('\r', from);
        }
        return std::min(lf_, cr_);
    }

  private:
    std::size_t find(char c, std::size_t from) const {
        const void* at = std::memchr(bytes_ + from, c, size_ - from);
        return at != nullptr ? static_cast<std::size_t>(static_cast<const char*>(at) - bytes_)
                             : size_;
    }

    const char* bytes_;
    std::size_t size_;
    bool hasCr_;
    std::size_t lf_ = 0;
    std::size_t cr_ = 0;
};

// Walks the lines of a source from a line start: `started` at each line's first byte, `ended`
// with the bytes of each line's last piece in the block at its end (or at the end of the file).
// Either returns false to stop.
struct LineWalk {
    std::function<std::size_t(std::uint64_t offset, char* into, std::size_t size)> read;
    std::size_t blockSize;
    std::function<bool(std::uint64_t offset)> started;
    std::function<void(std::string_view piece)> piece;
    std::function<bool()> ended;

    void run(std::uint64_t from) {
        std::vector<char> block(blockSize);
        bool expectStart = true;
        bool afterCr = false;
        std::uint64_t at = from;
        for (;;) {
            const std::size_t size = read(at, block.data(), block.size());
            if (size == 0) {
                if (!expectStart) {
                    ended();
                }
                return;
            }
            LineEnds ends(block.data(), size);
            std::size_t i = 0;
            while (i < size) {
                if (expectStart) {
                    // The LF of a CR LF ends no line of its own.
                    if (afterCr && block[i] == '\n') {
                        afterCr = false;
                        ++i;
                        continue;
                    }
                    afterCr = false;
                    expectStart = false;
                    if (!started(at + i)) {
                        return;
                    }
                }
                const std::size_t end = std::min(ends.next(i), size);
                piece(std::string_view(block.data() + i, end - i));
                if (end == size) {
                    break;
                }
                expectStart = true;
                afterCr = block[end] == '\r';
                i = end + 1;
                if (!ended()) {
                    return;
                }
            }
            at += size;
        }
    }
};

// Reading back a screenful needs far less than the pass that builds the index.
constexpr std::size_t kLinesBlockSize = 64 * 1024;
// A search asks whether to stop once in this many lines.
constexpr long kLinesBetweenStops = 1024;

bool sameLetter(char a, char b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(a) == lower(b);
}

}  // namespace

LineIndex::LineIndex(std::unique_ptr<ListingSource> source, std::size_t blockSize,
                     const Stopped& stopped)
    : source_(std::move(source)), blockSize_(std::max<std::size_t>(blockSize, 1)) {
    build(stopped);
}

void LineIndex::build(const Stopped& stopped) {
    long count = 0;
    const auto read = [this, &stopped](std::uint64_t offset, char* into, std::size_t size) {
        if (stopped && stopped()) {
            throw ReadCancelled();
        }
        return source_->readAt(offset, into, size);
    };
    LineWalk walk{read, blockSize_,
                  [&](std::uint64_t offset) {
                      if (count % kStride == 0) {
                          starts_.push_back(offset);
                      }
                      ++count;
                      return true;
                  },
                  [](std::string_view) {}, [] { return true; }};
    walk.run(0);
    starts_.shrink_to_fit();
    lineCount_ = count;
}

void LineIndex::walkLines(long first,
                          const std::function<bool(long, std::string_view)>& visit) const {
    if (first < 1 || first > lineCount_) {
        return;
    }
    // Lines read back from another version of the file would be shown at this one's numbers.
    {
        const std::lock_guard<std::mutex> alone(reading_);
        source_->checkUnchanged();
    }
    const auto checkpoint = static_cast<std::size_t>((first - 1) / kStride);
    long line = static_cast<long>(checkpoint) * kStride;
    std::string text;
    const auto read = [this](std::uint64_t offset, char* into, std::size_t size) {
        const std::lock_guard<std::mutex> alone(reading_);
        return source_->readAt(offset, into, size);
    };
    LineWalk walk{read, std::min(blockSize_, kLinesBlockSize),
                  [&](std::uint64_t) {
                      ++line;
                      text.clear();
                      return true;
                  },
                  [&](std::string_view piece) {
                      if (line >= first && text.size() < kLongestShown) {
                          text.append(piece.substr(0, kLongestShown - text.size()));
                      }
                  },
                  [&] { return line < first || visit(line, text); }};
    walk.run(starts_[checkpoint]);
}

std::vector<std::string> LineIndex::lines(long first, long count) const {
    std::vector<std::string> found;
    if (count <= 0) {
        return found;
    }
    const long last = first + count - 1;
    first = std::max(first, 1L);
    walkLines(first, [&](long line, std::string_view text) {
        found.emplace_back(text);
        return line < last;
    });
    return found;
}

long LineIndex::find(std::string_view text, long from, bool forward, const Stopped& stopped) const {
    if (text.empty() || lineCount_ == 0) {
        return 0;
    }
    from = std::clamp(from, 1L, lineCount_);
    bool stop = false;
    const auto holds = [&](long number, std::string_view line) {
        if (stopped && number % kLinesBetweenStops == 0 && stopped()) {
            stop = true;
        }
        return !stop && std::search(line.begin(), line.end(), text.begin(), text.end(),
                                    sameLetter) != line.end();
    };
    if (forward) {
        long found = 0;
        const auto after = [&](long line, std::string_view shown) {
            if (holds(line, shown)) {
                found = line;
            }
            return found == 0 && !stop;
        };
        if (from < lineCount_) {
            walkLines(from + 1, after);
        }
        if (found == 0 && !stop) {
            walkLines(1, [&](long line, std::string_view shown) {
                return line <= from && after(line, shown);
            });
        }
        return stop ? 0 : found;
    }
    // Going back, a stretch of lines at a time, keeping the last line that holds the text.
    constexpr long kStretch = kStride * 512;
    for (long pass = 0; pass < 2; ++pass) {
        const long top = pass == 0 ? from - 1 : lineCount_;
        const long bottom = pass == 0 ? 1 : from;
        for (long end = top; end >= bottom; end -= kStretch) {
            const long begin = std::max(bottom, end - kStretch + 1);
            long found = 0;
            walkLines(begin, [&](long line, std::string_view shown) {
                if (holds(line, shown)) {
                    found = line;
                }
                return line < end && !stop;
            });
            if (found != 0 || stop) {
                return stop ? 0 : found;
            }
        }
    }
    return 0;
}

std::pair<long, long> LineIndex::statementAround(long line) const {
    if (line < 1 || line > lineCount_) {
        return {line, line};
    }
    const auto continues = [](const std::string& text) {
        const std::size_t last = text.find_last_not_of(' ');
        return last != std::string::npos && last >= 1 && text[last] == '-' && text[last - 1] == ' ';
    };
    const long begin = std::max(1L, line - kLongestStatement);
    const std::vector<std::string> around = lines(begin, line - begin + 1 + kLongestStatement);
    const auto at = [&](long number) -> const std::string& {
        return around[static_cast<std::size_t>(number - begin)];
    };
    long first = line;
    while (first > begin && continues(at(first - 1))) {
        --first;
    }
    long last = line;
    while (last - begin + 1 < static_cast<long>(around.size()) && continues(at(last))) {
        ++last;
    }
    return {first, last};
}

}  // namespace fp

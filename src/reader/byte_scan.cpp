// The byte scans, with SSE2 where it is at hand.
#include "reader/byte_scan.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fp {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool endsNumberPoint(const char* text, std::size_t size, std::size_t at) {
    return text[at] == '.' && at > 0 && isDigit(text[at - 1]) &&
           (at + 1 == size || text[at + 1] == ' ' || text[at + 1] == '\n');
}

#if defined(__SSE2__)

// The sum of the 16 byte counters.
std::size_t sumOfBytes(__m128i counters) {
    const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
    return static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
           static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
}

#endif

}  // namespace

std::size_t countLineFeeds(const char* from, const char* to) {
    std::size_t count = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    while (to - from >= 16) {
        // Each byte counter takes at most 255 steps before it is summed.
        const char* stop = from + std::min<std::ptrdiff_t>((to - from) / 16, 255) * 16;
        __m128i counters = _mm_setzero_si128();
        for (; from < stop; from += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
            counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(bytes, lineFeed));
        }
        count += sumOfBytes(counters);
    }
#endif
    for (; from < to; ++from) {
        count += *from == '\n' ? 1 : 0;
    }
    return count;
}

void findNumberPoints(const char* text, std::size_t size,
                      const std::function<void(std::size_t)>& found) {
    std::size_t at = 1;
#if defined(__SSE2__)
    const __m128i point = _mm_set1_epi8('.');
    const __m128i blank = _mm_set1_epi8(' ');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    // The byte after each of sixteen is loaded too: the last block ends one byte before the text
    // does. A point before a blank or a line end is rare enough for the digit before it to be
    // looked at a byte at a time.
    for (; at + 17 <= size; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at + 1));
        const __m128i ended =
            _mm_or_si128(_mm_cmpeq_epi8(after, blank), _mm_cmpeq_epi8(after, lineFeed));
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(bytes, point), ended)));
        while (mask != 0) {
            const std::size_t candidate = at + static_cast<std::size_t>(std::countr_zero(mask));
            if (isDigit(text[candidate - 1])) {
                found(candidate);
            }
            mask &= mask - 1;
        }
    }
#endif
    for (; at < size; ++at) {
        if (endsNumberPoint(text, size, at)) {
            found(at);
        }
    }
}

}  // namespace fp

// Finding a keyword in a block of listing text quickly.
#include "reader/key_search.h"

#include <cstring>

namespace fp {
namespace {

// Characters from the rarest to the most common in a listing of numbers and headings; a
// keyword is scanned for its character that comes first here.
constexpr std::string_view kRareFirst = ":QVWKJHZXUBFGLDPCYINOMTSRAE";

std::size_t rarestPosition(std::string_view key) {
    std::size_t best = 0;
    std::size_t bestRank = kRareFirst.size();
    for (std::size_t i = 0; i < key.size(); ++i) {
        const std::size_t rank = kRareFirst.find(key[i]);
        if (rank < bestRank) {
            bestRank = rank;
            best = i;
        }
    }
    return best;
}

}  // namespace

std::size_t findKey(std::string_view text, std::string_view key) {
    if (key.empty() || key.size() > text.size()) {
        return key.empty() ? 0 : std::string_view::npos;
    }
    const std::size_t pivot = rarestPosition(key);
    const char pivotChar = key[pivot];
    // The pivot character can stand at text positions pivot .. size - key.size() + pivot.
    const char* const first = text.data() + pivot;
    const char* const last = text.data() + (text.size() - key.size()) + pivot + 1;
    for (const char* at = first; at < last;) {
        const void* hit = std::memchr(at, pivotChar, static_cast<std::size_t>(last - at));
        if (hit == nullptr) {
            break;
        }
        const char* const found = static_cast<const char*>(hit);
        const char* const start = found - pivot;
        if (std::memcmp(start, key.data(), key.size()) == 0) {
            return static_cast<std::size_t>(start - text.data());
        }
        at = found + 1;
    }
    return std::string_view::npos;
}

}  // namespace fp

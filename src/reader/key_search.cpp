// Finding keywords in blocks of listing text quickly.
#include "reader/key_search.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace fp {
namespace {

// Characters from the rarest to the most common in the headings and tables of a listing's
// result pages; a key is scanned for its character that comes first here.
constexpr std::string_view kRareFirst = ":QJKZWVHXGFBUPYCLINDMORTSAE";

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

KeySet KeyTable::setOf(std::span<const std::string_view> keys) {
    KeySet set = 0;
    for (const std::string_view key : keys) {
        if (key.empty()) {
            throw std::invalid_argument("an empty key is looked for");
        }
        int index = 0;
        while (index < count_ && keys_[static_cast<std::size_t>(index)].text != key) {
            ++index;
        }
        if (index == count_) {
            if (count_ == kMostKeys) {
                throw std::length_error("more than 64 different keys are looked for");
            }
            keys_[static_cast<std::size_t>(count_++)] = Key{std::string(key), rarestPosition(key)};
        }
        set |= KeySet{1} << index;
    }
    return set;
}

void KeyTable::find(std::string_view text, KeySet keys, std::vector<KeyHit>& hits) const {
    const std::size_t firstNew = hits.size();
    KeySet left = keys & (count_ == kMostKeys ? ~KeySet{0} : (KeySet{1} << count_) - 1);
    while (left != 0) {
        // The keys that share the pivot character of the first key left, found in one scan.
        const Key& first = keys_[static_cast<std::size_t>(std::countr_zero(left))];
        const char pivot = first.text[first.pivot];
        KeySet sharing = 0;
        for (KeySet rest = left; rest != 0; rest &= rest - 1) {
            const Key& key = keys_[static_cast<std::size_t>(std::countr_zero(rest))];
            if (key.text[key.pivot] == pivot) {
                sharing |= rest & -rest;
            }
        }
        left &= ~sharing;
        const char* const begin = text.data();
        const char* const end = begin + text.size();
        for (const char* at = begin; at < end;) {
            const char* found = static_cast<const char*>(std::memchr(at, pivot, end - at));
            if (found == nullptr) {
                break;
            }
            for (KeySet rest = sharing; rest != 0; rest &= rest - 1) {
                const int index = std::countr_zero(rest);
                const std::string& key = keys_[static_cast<std::size_t>(index)].text;
                const std::size_t before = keys_[static_cast<std::size_t>(index)].pivot;
                const std::size_t after = key.size() - before;
                if (static_cast<std::size_t>(found - begin) < before ||
                    static_cast<std::size_t>(end - found) < after) {
                    continue;
                }
                // Most places fail on a neighbour of the pivot character, tested before the
                // whole key is compared.
                const char* const start = found - before;
                if (key.size() > 1) {
                    const std::size_t neighbour = after > 1 ? before + 1 : before - 1;
                    if (start[neighbour] != key[neighbour]) {
                        continue;
                    }
                }
                if (std::equal(key.begin(), key.end(), start)) {
                    hits.push_back(KeyHit{static_cast<std::size_t>(start - begin), index});
                }
            }
            at = found + 1;
        }
    }
    std::sort(hits.begin() + static_cast<std::ptrdiff_t>(firstNew), hits.end());
}

}  // namespace fp

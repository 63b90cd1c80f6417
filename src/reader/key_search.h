// Finding keywords in blocks of listing text quickly. Each keyword is looked for at its rarest
// character: the block is scanned once for each such character, keywords that share it share
// the scan, and a place where the character stands is rejected after a byte compare or two.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fp {

// A set of the keys of a KeyTable: bit i is the key numbered i.
using KeySet = std::uint64_t;

// Where a key begins in a block of text, and which key of its table it is.
struct KeyHit {
    std::size_t at = 0;
    int key = 0;

    friend bool operator<(const KeyHit& a, const KeyHit& b) {
        return a.at < b.at || (a.at == b.at && a.key < b.key);
    }
};

// The keys a reading has been asked for, numbered in the order they were first asked for.
class KeyTable {
  public:
    static constexpr int kMostKeys = 64;

    // The set of `keys`, each added when it is new. A key is at least one character and holds
    // no line end (an empty key throws std::invalid_argument); more than kMostKeys different
    // keys throw std::length_error.
    KeySet setOf(std::span<const std::string_view> keys);

    // Appends to `hits` every place in `text` where a key of `keys` begins, in order of place.
    void find(std::string_view text, KeySet keys, std::vector<KeyHit>& hits) const;

  private:
    struct Key {
        std::string text;
        std::size_t pivot = 0;  // the position of its rarest character
    };

    std::array<Key, kMostKeys> keys_;
    int count_ = 0;
};

}  // namespace fp

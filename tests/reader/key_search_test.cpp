// Keywords found together in one scan of a block: every place, in order, whatever character
// each key is scanned for.
#include "reader/key_search.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fp {
namespace {

using Hits = std::vector<std::pair<std::size_t, std::string>>;

Hits found(const KeyTable& table, const std::vector<std::string_view>& keys, KeySet set,
           std::string_view text) {
    std::vector<KeyHit> hits;
    table.find(text, set, hits);
    Hits named;
    for (const KeyHit& hit : hits) {
        named.emplace_back(hit.at, std::string(keys[static_cast<std::size_t>(hit.key)]));
    }
    return named;
}

// Every place of every key, by the plain search of each key in turn, ordered as the table
// orders them.
Hits foundOneByOne(const std::vector<std::string_view>& keys, std::string_view text) {
    Hits all;
    for (std::size_t at = 0; at < text.size(); ++at) {
        for (const std::string_view key : keys) {
            if (text.substr(at).starts_with(key)) {
                all.emplace_back(at, std::string(key));
            }
        }
    }
    return all;
}

TEST(KeyTable, KeysAreNumberedInTheOrderTheyAreFirstAskedFor) {
    KeyTable table;
    const std::array<std::string_view, 2> first = {"YRANGE", "LOADTYPE"};
    const std::array<std::string_view, 2> again = {"LOADTYPE", "UNI"};
    EXPECT_EQ(table.setOf(first), KeySet{0b11});
    EXPECT_EQ(table.setOf(again), KeySet{0b110});
    const std::array<std::string_view, 1> empty = {""};
    EXPECT_THROW(table.setOf(empty), std::invalid_argument);
}

TEST(KeyTable, TakesSixtyFourKeysAndRefusesMore) {
    KeyTable table;
    std::vector<std::string> names;
    for (int i = 0; i <= KeyTable::kMostKeys; ++i) {
        names.push_back("KEY" + std::to_string(i));
    }
    for (int i = 0; i < KeyTable::kMostKeys; ++i) {
        const std::array<std::string_view, 1> key = {names[static_cast<std::size_t>(i)]};
        EXPECT_EQ(table.setOf(key), KeySet{1} << i);
    }
    const std::array<std::string_view, 1> tooMany = {names.back()};
    EXPECT_THROW(table.setOf(tooMany), std::length_error);
}

// Keys that share the character they are scanned for, one inside another, at both ends of the
// text, and the places that only begin like a key.
TEST(KeyTable, FindsEveryPlaceOfEveryKeyInOrder) {
    KeyTable table;
    const std::vector<std::string_view> keys = {"MEMBER LOAD", "B E A M  N O.", "UNI", "N", ":"};
    const KeySet all = table.setOf(keys);
    const std::string text =
        "UNITS MEMBER  LOAD B E A M  N O. 12 MEMBER LOAD; UNI GY LENGTH: B E A M  N O";
    EXPECT_EQ(found(table, keys, all, text), foundOneByOne(keys, text));
    EXPECT_EQ(found(table, keys, table.setOf(std::vector<std::string_view>{"UNI"}), text),
              (Hits{{0, "UNI"}, {49, "UNI"}}));
    EXPECT_EQ(found(table, keys, all, "UNI"), (Hits{{0, "UNI"}, {1, "N"}}));
    EXPECT_TRUE(found(table, keys, all, "").empty());
}

TEST(KeyTable, AgreesWithTheSearchOfEachKeyOnMixedText) {
    KeyTable table;
    const std::vector<std::string_view> keys = {"LOADTYPE",      "FLOOR LOAD", "YRANGE",
                                                "B E A M  N O.", "LENGTH:",    "C O L U M N   N O.",
                                                "MEMBER LOAD",   "UNI"};
    const KeySet all = table.setOf(keys);
    const char* const fragments[] = {
        "LOAD", "TYPE", " ",      "UNI",  "TS", "B E A M  N O.", "B E",    "N O.", "12.5",
        "\n",   ":",    "LENGTH", "MEMB", "ER", "C O L U M N ",  "  N O.", "Y",    "RANGE"};
    std::uint32_t seed = 2024;
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        seed = seed * 1664525u + 1013904223u;
        for (int i = static_cast<int>(seed >> 26); i > 0; --i) {
            seed = seed * 1664525u + 1013904223u;
            text += fragments[(seed >> 16) % std::size(fragments)];
        }
        ASSERT_EQ(found(table, keys, all, text), foundOneByOne(keys, text)) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace fp

// A bounded list of what the reading finds, for the checks.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace fp {

// A list of what the reading finds worth telling, kept up to a bound, with a count of those past
// it: a listing with a fault on every line is told in full where it starts, not held whole.
template <typename Item>
struct BoundedFindings {
    static constexpr std::size_t kMost = 1000;
    std::vector<Item> items;
    long leftOut = 0;

    void add(Item item) {
        if (items.size() < kMost) {
            items.push_back(std::move(item));
        } else {
            ++leftOut;
        }
    }
};

}  // namespace fp

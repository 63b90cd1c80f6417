// A list of distinct 32-bit values with a fixed limit: the load values and grid coordinates.
#pragma once

#include <cstddef>
#include <vector>

#include "model/listing_error.h"

namespace fp {

template <std::size_t Limit>
class ValueList {
  public:
    explicit ValueList(const char* things) : things_(things) {}

    static constexpr std::size_t limit() { return Limit; }

    // Appends `value` unless the list holds it already (exact 32-bit comparison); values keep the
    // order they first appeared in. A value past the limit ends the reading.
    void addIfAbsent(float value) {
        if (contains(value)) {
            return;
        }
        if (values_.size() >= Limit) {
            throw tooMany(things_, static_cast<long>(Limit));
        }
        values_.push_back(value);
    }

    bool contains(float value) const {
        for (const float held : values_) {
            if (held == value) {
                return true;
            }
        }
        return false;
    }

    // Ascending, by repeated passes of neighbour exchanges until a pass exchanges nothing, so
    // equal values never move past each other.
    void sortAscending() {
        bool exchanged = true;
        while (exchanged) {
            exchanged = false;
            for (std::size_t i = 1; i < values_.size(); ++i) {
                if (values_[i - 1] > values_[i]) {
                    std::swap(values_[i - 1], values_[i]);
                    exchanged = true;
                }
            }
        }
    }

    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }
    float operator[](std::size_t index) const { return values_[index]; }
    auto begin() const { return values_.begin(); }
    auto end() const { return values_.end(); }

  private:
    std::vector<float> values_;
    const char* things_;
};

}  // namespace fp

// A list of records with a fixed limit: the tables of a listing document.
#pragma once

#include <cstddef>
#include <vector>

#include "model/listing_error.h"

namespace fp {

// Holds at most Limit records; adding one more ends the reading with a message naming `things`
// ("The listing has more than 9000 joints"). Records keep the order they were added in.
template <typename Record, std::size_t Limit>
class BoundedList {
  public:
    explicit BoundedList(const char* things) : things_(things) {}

    static constexpr std::size_t limit() { return Limit; }

    Record& add(Record record) {
        if (records_.size() >= Limit) {
            throw tooMany(things_, static_cast<long>(Limit));
        }
        records_.push_back(std::move(record));
        return records_.back();
    }

    // The list must not be empty.
    void removeLast() { records_.pop_back(); }

    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const Record& operator[](std::size_t index) const { return records_[index]; }
    Record& operator[](std::size_t index) { return records_[index]; }
    const Record& back() const { return records_.back(); }
    Record& back() { return records_.back(); }

    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }
    auto begin() { return records_.begin(); }
    auto end() { return records_.end(); }

  private:
    std::vector<Record> records_;
    const char* things_;
};

}  // namespace fp

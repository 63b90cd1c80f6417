// How far the reading of a listing has come, for a window that shows it and lets it be stopped.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

#include "reader/listing_source.h"

namespace fp {

// Told the offset reached in the listing and its size whenever a block of it is read; returns
// false to stop the reading.
using ReadProgress = std::function<bool(std::uint64_t reached, std::uint64_t size)>;

// The reading was stopped by its progress callback; nothing was made.
class ReadCancelled : public std::exception {
  public:
    const char* what() const noexcept override { return "The reading of the listing was stopped"; }
};

// `listing` read through `progress`, which it must outlive; reads throw ReadCancelled once the
// progress callback returns false.
std::unique_ptr<ListingSource> withProgress(ListingSource& listing, ReadProgress progress);

}  // namespace fp

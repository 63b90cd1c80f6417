// Scans of listing text that look at every byte of hundreds of megabytes: written sixteen bytes
// at a time where the processor has SSE2 (every x86-64 one does), a byte at a time elsewhere.
#pragma once

#include <cstddef>
#include <functional>

namespace fp {

// The line feeds in [from, to).
std::size_t countLineFeeds(const char* from, const char* to);

// Calls `found` with the offset of every point in `text` that may end an echo number: a "."
// after a digit and before a blank, a line feed or the end of the text. Such points are rare
// outside the input echo, so that its lines are found without looking at every line.
void findNumberPoints(const char* text, std::size_t size,
                      const std::function<void(std::size_t)>& found);

}  // namespace fp

// What the benchmarks share: messages shown on standard error, and the median.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "reader/message_sink.h"

namespace fp::bench {

class ErrorStreamMessages : public MessageSink {
  public:
    void show(const ListingMessage& message) override {
        std::fprintf(stderr, "frameplan: %s\n", message.described().c_str());
    }
};

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace fp::bench

// What the benchmarks share: services that hand the reader a given listing, and the median.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "reader/platform_services.h"

namespace fp::bench {

// Gives the reader the listing named on the command line; messages go to standard error.
class GivenListingServices : public PlatformServices {
  public:
    explicit GivenListingServices(std::string path) : path_(std::move(path)) {}
    std::string chooseListingFile(const std::string&) override { return path_; }
    void setCaption(const std::string&) override {}
    void showMessage(const std::string& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }

  private:
    std::string path_;
};

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace fp::bench

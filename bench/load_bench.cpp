// Times the start-up load of a big listing against `wc -l` on the same file, page cache warm.
// Usage: bench_load [LISTING] [--runs N] [--load-only]
//   With no LISTING a 200 MB listing is generated once into /tmp with gen_listing.
//   --load-only loads the listing once and prints nothing else: for /usr/bin/time -v.
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "bench_support.h"
#include "document/listing_document.h"

namespace {

constexpr const char* kDefaultListing = "/tmp/frameplan-bench-200mb.anl";
// 12 storeys of 10 by 8 bays, six load cases: 1287 joints, 2136 designed beams.
constexpr const char* kGeneratorArguments =
    " --storeys 12 --bays-x 10 --bays-z 8 --load-cases 6 --size-mb 200 --output ";

// The whole document: the passes with the grid, the sorted load values and the frames of every
// level.
std::size_t loadListing(const std::string& path) {
    fp::bench::ErrorStreamMessages messages;
    return fp::openListing(path, messages).designRows.size();
}

double secondsOf(const std::chrono::steady_clock::duration& elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

bool exists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

void run(const std::string& command) {
    const int status = std::system(command.c_str());
    if (status != 0) {
        std::fprintf(stderr, "bench_load: \"%s\" failed (status %d)\n", command.c_str(), status);
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string listing;
    int runs = 7;
    bool loadOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--load-only") {
            loadOnly = true;
        } else if (argument == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (!argument.empty() && argument[0] != '-' && listing.empty()) {
            listing = argument;
        } else {
            std::fprintf(stderr, "usage: %s [LISTING] [--runs N] [--load-only]\n", argv[0]);
            return 2;
        }
    }
    if (listing.empty()) {
        listing = kDefaultListing;
        if (!exists(listing)) {
            std::fprintf(stderr, "Generating %s ...\n", listing.c_str());
            run(std::string(FRAMEPLAN_GEN_LISTING) + kGeneratorArguments + listing);
        }
    }
    try {
        if (loadOnly) {
            loadListing(listing);
            return 0;
        }
        const std::string wc = "wc -l '" + listing + "' > /dev/null";
        // Warm the page cache and check the listing reads before anything is timed.
        run(wc);
        const std::size_t beams = loadListing(listing);
        std::vector<double> loads;
        std::vector<double> counts;
        for (int i = 0; i < runs; ++i) {
            auto start = std::chrono::steady_clock::now();
            loadListing(listing);
            loads.push_back(secondsOf(std::chrono::steady_clock::now() - start));
            start = std::chrono::steady_clock::now();
            run(wc);
            counts.push_back(secondsOf(std::chrono::steady_clock::now() - start));
        }
        const double load = fp::bench::median(loads);
        const double count = fp::bench::median(counts);
        std::printf("listing      %s (%zu designed beams)\n", listing.c_str(), beams);
        std::printf("runs         %d, alternating\n", runs);
        std::printf("load median  %.3f s  (four passes, grid, sort, frames)\n", load);
        std::printf("wc -l median %.3f s\n", count);
        std::printf("ratio        %.2f  (target <= 2.0)\n", load / count);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_load: %s\n", error.what());
        return 1;
    }
    return 0;
}

// Times "frameplan compare" of two big listings that differ in a few loads against
// "frameplan info" on one of them, in one run, page cache warm, and compares their peak memory.
// Usage: compare_bench [LISTING] [--runs N]
//   With no LISTING a 200 MB listing is generated once into /tmp with gen_listing. The second
//   listing is a copy of it with its first three floor loads and first member load changed,
//   written beside it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

constexpr const char* kDefaultListing = "/tmp/frameplan-bench-200mb-paged.anl";
constexpr const char* kGeneratorArguments =
    " --storeys 12 --bays-x 10 --bays-z 8 --load-cases 6 --size-mb 200 --output ";

// Puts a 1 before the value of the first `count` lines holding `key`: -4.5 becomes -14.5.
std::string changed(const std::string& line, const std::string& key, int& count) {
    const auto at = line.find(key);
    if (count <= 0 || at == std::string::npos) {
        return line;
    }
    --count;
    std::string copy = line;
    copy.insert(at + key.size(), "1");
    return copy;
}

bool writeChangedCopy(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary);
    int floorLoads = 3;
    int memberLoads = 1;
    std::string line;
    while (std::getline(in, line)) {
        out << changed(changed(line, " FLOAD -", floorLoads), " UNI GY -", memberLoads) << '\n';
    }
    return in.eof() && static_cast<bool>(out) && floorLoads == 0 && memberLoads == 0;
}

bool exists(const std::string& path) {
    return static_cast<bool>(std::ifstream(path));
}

}  // namespace

int main(int argc, char** argv) {
    std::string listing;
    int runs = 11;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (!argument.empty() && argument[0] != '-' && listing.empty()) {
            listing = argument;
        } else {
            std::fprintf(stderr, "usage: %s [LISTING] [--runs N]\n", argv[0]);
            return 2;
        }
    }
    if (listing.empty()) {
        listing = kDefaultListing;
        if (!exists(listing) &&
            std::system(
                (std::string(FRAMEPLAN_GEN_LISTING) + kGeneratorArguments + listing).c_str()) !=
                0) {
            std::fprintf(stderr, "compare_bench: gen_listing failed\n");
            return 1;
        }
    }
    const std::string other = listing + ".changed.anl";
    if (!writeChangedCopy(listing, other)) {
        std::fprintf(stderr,
                     "compare_bench: cannot write %s with three floor loads and a member "
                     "load changed\n",
                     other.c_str());
        return 1;
    }
    const std::string program = FRAMEPLAN_PROGRAM;
    std::vector<double> infos;
    std::vector<double> compares;
    long infoPeak = 0;
    long comparePeak = 0;
    for (int i = 0; i < runs + 1; ++i) {
        const fp::bench::ProgramRun info = fp::bench::runProgram({program, "info", listing});
        const fp::bench::ProgramRun compare =
            fp::bench::runProgram({program, "compare", listing, other});
        if (info.status != 0 || compare.status != 1) {
            std::fprintf(stderr,
                         "compare_bench: info ended with %d, compare with %d (1 expected)\n",
                         info.status, compare.status);
            return 1;
        }
        // The first round warms the page cache.
        if (i > 0) {
            infos.push_back(info.milliseconds);
            compares.push_back(compare.milliseconds);
        }
        infoPeak = std::max(infoPeak, info.peakKilobytes);
        comparePeak = std::max(comparePeak, compare.peakKilobytes);
    }
    const double info = fp::bench::median(infos);
    const double compare = fp::bench::median(compares);
    std::printf("listings          %s and %s\n", listing.c_str(), other.c_str());
    std::printf("runs              %d of each, alternating, page cache warm\n", runs);
    std::printf("frameplan info    median %7.1f ms  peak RSS %6.1f MB\n", info,
                static_cast<double>(infoPeak) / 1024);
    std::printf("frameplan compare median %7.1f ms  peak RSS %6.1f MB\n", compare,
                static_cast<double>(comparePeak) / 1024);
    std::printf("ratios            time %.2f (target <= 2)  memory %.2f (target < 2)\n",
                compare / info, static_cast<double>(comparePeak) / static_cast<double>(infoPeak));
    return 0;
}

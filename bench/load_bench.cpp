// Times the reading of a big listing against `wc -l` on the same file, page cache warm: the
// whole `frameplan info` process as a user runs it, `frameplan check` and `frameplan takedown`
// (every level, case and combination) against it, and the load alone in this process, each
// alternating with `wc -l`; then the start of the program alone, `frameplan --version`. Usage:
// bench_load [LISTING] [--runs N] [--frameplan PROGRAM] [--load-only]
//   With no LISTING a 200 MB listing, headed on every page as real ones are, is generated once
//   into /tmp with gen_listing.
//   --frameplan times another build of the program in its place.
//   --load-only loads the listing once in this process and prints nothing else: for
//   /usr/bin/time -v.
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"
#include "document/listing_document.h"

namespace {

constexpr const char* kDefaultListing = "/tmp/frameplan-bench-200mb-paged.anl";
// 12 storeys of 10 by 8 bays, six load cases: 1287 joints, 2136 designed beams.
constexpr const char* kGeneratorArguments =
    " --storeys 12 --bays-x 10 --bays-z 8 --load-cases 6 --size-mb 200 --output ";

// The whole document: the passes with the grid, the sorted load values and the frames of every
// level.
std::size_t loadListing(const std::string& path) {
    fp::bench::ErrorStreamMessages messages;
    return fp::openListing(path, messages).designRows.size();
}

double millisecondsOf(const std::chrono::steady_clock::duration& elapsed) {
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

std::uint64_t fileSize(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
}

// `highestStatus` 1 lets `frameplan check` report warnings.
fp::bench::ProgramRun mustRun(const std::vector<std::string>& arguments, int highestStatus = 0) {
    const fp::bench::ProgramRun run = fp::bench::runProgram(arguments);
    if (run.status < 0 || run.status > highestStatus) {
        std::fprintf(stderr, "bench_load: \"%s\" failed (status %d)\n", arguments[0].c_str(),
                     run.status);
        std::exit(1);
    }
    return run;
}

struct Comparison {
    double program = 0;
    double count = 0;
    long peakKilobytes = 0;
};

// `time` and `wc -l` in turn, `runs` times each; the medians.
template <typename Timed>
Comparison againstLineCount(const std::string& listing, int runs, Timed time) {
    std::vector<double> programs;
    std::vector<double> counts;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        const fp::bench::ProgramRun run = time();
        programs.push_back(run.milliseconds);
        peak = std::max(peak, run.peakKilobytes);
        counts.push_back(mustRun({"wc", "-l", listing}).milliseconds);
    }
    return {fp::bench::median(programs), fp::bench::median(counts), peak};
}

}  // namespace

int main(int argc, char** argv) {
    std::string listing;
    std::string program = FRAMEPLAN_PROGRAM;
    int runs = 21;
    bool loadOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--load-only") {
            loadOnly = true;
        } else if (argument == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--frameplan" && i + 1 < argc) {
            program = argv[++i];
        } else if (!argument.empty() && argument[0] != '-' && listing.empty()) {
            listing = argument;
        } else {
            std::fprintf(stderr,
                         "usage: %s [LISTING] [--runs N] [--frameplan PROGRAM] [--load-only]\n",
                         argv[0]);
            return 2;
        }
    }
    if (listing.empty()) {
        listing = kDefaultListing;
        if (fileSize(listing) == 0) {
            std::fprintf(stderr, "Generating %s ...\n", listing.c_str());
            if (std::system(
                    (std::string(FRAMEPLAN_GEN_LISTING) + kGeneratorArguments + listing).c_str()) !=
                0) {
                std::fprintf(stderr, "bench_load: gen_listing failed\n");
                return 1;
            }
        }
    }
    try {
        if (loadOnly) {
            loadListing(listing);
            return 0;
        }
        // Warm the page cache and check that the listing reads before anything is timed.
        mustRun({"wc", "-l", listing});
        mustRun({program, "info", listing});
        const std::size_t beams = loadListing(listing);

        // info, check and takedown in turn with wc -l, so that the four meet the same load of
        // the machine: check and takedown read as info does and print their findings or loads
        // instead of a summary.
        std::vector<double> infos;
        std::vector<double> checks;
        std::vector<double> takedowns;
        std::vector<double> counts;
        long peak = 0;
        for (int i = 0; i < runs; ++i) {
            const fp::bench::ProgramRun info = mustRun({program, "info", listing});
            infos.push_back(info.milliseconds);
            peak = std::max(peak, info.peakKilobytes);
            counts.push_back(mustRun({"wc", "-l", listing}).milliseconds);
            checks.push_back(mustRun({program, "check", listing}, 1).milliseconds);
            takedowns.push_back(mustRun({program, "takedown", listing}, 1).milliseconds);
        }
        const Comparison process{fp::bench::median(infos), fp::bench::median(counts), peak};
        const double check = fp::bench::median(checks);
        const double takedown = fp::bench::median(takedowns);
        const Comparison load = againstLineCount(listing, runs, [&] {
            const auto start = std::chrono::steady_clock::now();
            loadListing(listing);
            return fp::bench::ProgramRun{millisecondsOf(std::chrono::steady_clock::now() - start),
                                         0, 0};
        });
        std::vector<double> starts;
        for (int i = 0; i < runs; ++i) {
            starts.push_back(mustRun({program, "--version"}).milliseconds);
        }

        std::printf("listing          %s (%.0f MB, %zu designed beams)\n", listing.c_str(),
                    static_cast<double>(fileSize(listing)) / (1 << 20), beams);
        std::printf(
            "runs             %d of each, alternating with wc -l, page cache warm, "
            "%u cores\n",
            runs, std::thread::hardware_concurrency());
        std::printf(
            "frameplan info   median %6.1f ms  wc -l %6.1f ms  ratio %.2f  (target <= "
            "1.5)  peak RSS %.1f MB\n",
            process.program, process.count, process.program / process.count,
            static_cast<double>(process.peakKilobytes) / 1024);
        std::printf("frameplan check  median %6.1f ms  ratio to info %.2f  (target <= 1.1)\n",
                    check, check / process.program);
        std::printf("frameplan takedown median %6.1f ms  ratio to info %.2f  (target <= 1.25)\n",
                    takedown, takedown / process.program);
        std::printf(
            "load in process  median %6.1f ms  wc -l %6.1f ms  ratio %.2f  (the passes, the "
            "echo, the grid, the sorted loads)\n",
            load.program, load.count, load.program / load.count);
        std::printf("--version        median %6.2f ms  (target <= 3)\n", fp::bench::median(starts));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_load: %s\n", error.what());
        return 1;
    }
    return 0;
}

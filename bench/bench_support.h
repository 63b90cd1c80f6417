// What the benchmarks share: messages shown on standard error, the median, and programs run
// as a user runs them.
#pragma once

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "reader/message_sink.h"

extern char** environ;

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

// One run of a program: its wall time from spawning to its exit, and its peak memory.
struct ProgramRun {
    double milliseconds = 0;
    long peakKilobytes = 0;
    int status = -1;
};

// Runs `arguments` (the program first, found on the PATH) with its output thrown away.
inline ProgramRun runProgram(const std::vector<std::string>& arguments) {
    std::vector<std::string> copies = arguments;
    std::vector<char*> argv;
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ProgramRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) == child) {
            run.milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            run.peakKilobytes = usage.ru_maxrss;
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

}  // namespace fp::bench

// Running a built program with its output caught in files.
#include "program_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

extern char** environ;

namespace fp::testing {
namespace {

// The environment less the variables named in `unset`, as "NAME=value" texts.
std::vector<std::string> environmentWithout(const std::vector<std::string>& unset) {
    std::vector<std::string> kept;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string entry(*variable);
        const std::string name = entry.substr(0, entry.find('='));
        if (std::find(unset.begin(), unset.end(), name) == unset.end()) {
            kept.push_back(entry);
        }
    }
    return kept;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

std::string temporaryPath(const std::string& name) {
    return ::testing::TempDir() + "frameplan_program_" + std::to_string(::getpid()) + "_" + name;
}

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string writeTemporaryFile(const std::string& name, const std::string& text) {
    const std::string path = temporaryPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& unset) {
    const std::string outPath = temporaryPath("stdout.txt");
    const std::string errPath = temporaryPath("stderr.txt");
    // An empty input of the test's own: nothing the program reads from it blocks.
    const std::string inPath = writeTemporaryFile("stdin.txt", "");
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv = pointersTo(words);
    std::vector<std::string> environment = environmentWithout(unset);
    std::vector<char*> envp = pointersTo(environment);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);

    ProgramRun run;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program;
        return run;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = fileText(outPath);
    run.err = fileText(errPath);
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

}  // namespace fp::testing

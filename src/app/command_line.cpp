// The command line: dump, info and export of a listing without the window.
#include "app/command_line.h"

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_services.h"
#include "app/export_command.h"
#include "app/export_options.h"
#include "app/model_json.h"
#include "app/model_summary.h"
#include "model/run_error.h"
#include "reader/run_ended.h"
#include "reader/startup_load.h"

namespace fp {
namespace {

constexpr int kRunEnded = 2;

using Arguments = std::vector<std::string>;
using CommandRunner = int (*)(const Arguments&, std::ostream& out, std::ostream& err);

struct Command {
    const char* name;
    CommandRunner run;
};

int runDump(const Arguments& arguments, std::ostream& out, std::ostream& err);
int runInfo(const Arguments& arguments, std::ostream& out, std::ostream& err);

// Every command: the first argument names one, the rest are its own.
constexpr Command kCommands[] = {
    {"dump", runDump},
    {"info", runInfo},
    {"export", runExportCommand},
};

const Command* findCommand(const std::string& name) {
    for (const Command& command : kCommands) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

void writeHelp(std::ostream& out) {
    out << "FramePlan reads the output listing of a frame analysis (in kN and metres) and draws\n"
           "the beam plan and floor loads of each level.\n\n"
           "Usage:\n"
           "  frameplan [LISTING]\n"
           "      Opens the window on LISTING, or asks for one.\n"
           "  frameplan dump LISTING\n"
           "      Prints the model read from LISTING as JSON.\n"
           "  frameplan info LISTING\n"
           "      Prints a short summary of the model and the time the read took.\n"
        << exportUsage()
        << "  frameplan --help | --version\n\n"
           "Exit status: 0 when done, 2 for bad arguments or a listing that cannot be read.\n";
}

int usageError(std::ostream& err, const std::string& problem) {
    err << "frameplan: " << problem << "\nTry \"frameplan --help\".\n";
    return kRunEnded;
}

// The model after the start-up load, or nothing when the run ended (already reported).
struct LoadedModel {
    std::unique_ptr<ModelStore> model;
    std::vector<std::string> messages;
    std::chrono::steady_clock::duration loadTime{};
};

// The load the window's start-up does: the four passes, the sorted load values, the frames.
bool loadModel(const std::string& listing, std::ostream* echo, std::ostream& err,
               LoadedModel& loaded) {
    loaded.model = makeModelStore();
    CommandLineServices services(listing, echo);
    ListingReading reading;
    try {
        const auto start = std::chrono::steady_clock::now();
        LoadAsStartUpDoes(*loaded.model, services, reading);
        loaded.loadTime = std::chrono::steady_clock::now() - start;
    } catch (const RunEndingError& failure) {
        err << "frameplan: " << failure.what() << "\n";
        return false;
    } catch (const RunEnded& ended) {
        if (ended.reason() == RunEnded::Reason::Cancelled) {
            err << "frameplan: no listing was given\n";
        } else if (!services.echoes()) {
            err << "frameplan: " << ended.shown() << "\n";
        }
        return false;
    }
    loaded.messages = services.messages();
    return true;
}

// The one argument a listing command takes.
bool listingArgument(const Arguments& arguments, const char* command, std::ostream& err,
                     std::string& listing) {
    if (arguments.size() != 1 || arguments[0].empty() ||
        (arguments[0].size() > 1 && arguments[0][0] == '-')) {
        usageError(err, std::string(command) + " takes the path of one listing");
        return false;
    }
    listing = arguments[0];
    return true;
}

int runDump(const Arguments& arguments, std::ostream& out, std::ostream& err) {
    std::string listing;
    LoadedModel loaded;
    if (!listingArgument(arguments, "dump", err, listing) ||
        !loadModel(listing, nullptr, err, loaded)) {
        return kRunEnded;
    }
    writeModelJson(out, *loaded.model, listing, loaded.messages);
    return 0;
}

int runInfo(const Arguments& arguments, std::ostream& out, std::ostream& err) {
    std::string listing;
    LoadedModel loaded;
    if (!listingArgument(arguments, "info", err, listing) ||
        !loadModel(listing, &err, err, loaded)) {
        return kRunEnded;
    }
    writeModelSummary(out, *loaded.model, listing, loaded.messages.size(), loaded.loadTime);
    return 0;
}

}  // namespace

bool isCommandLineInvocation(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    const std::string first = argv[1];
    return argc > 2 || findCommand(first) != nullptr || (first.size() > 1 && first[0] == '-');
}

int runCommandLine(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        writeHelp(std::cout);
        return 0;
    }
    if (first == "--version") {
        std::cout << "frameplan " << FRAMEPLAN_VERSION << "\n";
        return 0;
    }
    const Command* command = findCommand(first);
    if (command == nullptr) {
        return usageError(std::cerr, (first.size() > 1 && first[0] == '-' ? "unknown option \""
                                                                          : "unknown command \"") +
                                         first + "\"");
    }
    const Arguments arguments(argv + 2, argv + argc);
    return command->run(arguments, std::cout, std::cerr);
}

}  // namespace fp

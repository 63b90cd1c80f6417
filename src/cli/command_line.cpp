// The command line: dump, info and export of a listing, or the window.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "checks/finding_identity.h"
#include "checks/listing_checks.h"
#include "cli/compare_command.h"
#include "cli/document_json.h"
#include "cli/document_summary.h"
#include "cli/export_arguments.h"
#include "cli/findings_output.h"
#include "cli/takedown_command.h"
#include "document/listing_document.h"
#include "files/file_notices.h"
#include "files/input_guard.h"
#include "files/pending_file.h"
#include "model/listing_error.h"
#include "output/accepted_findings_file.h"
#include "output/schedule_files.h"
#include "output/stream_messages.h"
#include "plan/level_drawing.h"

namespace fp {
namespace {

constexpr const char* kDescription =
    "FramePlan reads the output listing of a frame analysis (in kN and metres) and draws\n"
    "the beam plan and floor loads of each level.";

// The forms of the command line, in the README too (a test keeps the two the same). Each form
// stands on one line with its description under it, as help2man reads them into the manual.
constexpr const char* kForms =
    "\nCommands:\n"
    "  frameplan [LISTING]         opens the window on LISTING; without one, the file dialog\n"
    "                              asks for one\n"
    "  frameplan dump LISTING      prints the model read from LISTING as JSON\n"
    "  frameplan info LISTING      prints a short summary: joints, members, levels, loads,\n"
    "                              read time, each level's floor load per load case, and\n"
    "                              the count of warnings and notes of frameplan check\n"
    "  frameplan export LISTING -o OUT [OPTIONS]\n"
    "                              draws level plans to PNG, SVG, PDF or DXF files\n"
    "  frameplan schedule LISTING -o loads.xlsx|loads.csv\n"
    "                              writes the panel, beam and takedown schedules: one\n"
    "                              workbook, or loads-panels.csv, loads-beams.csv and\n"
    "                              loads-takedown.csv\n"
    "  frameplan check LISTING [--json] [--level HEIGHT] [--all]\n"
    "                              lists what the listing's loads get wrong and what is\n"
    "                              missing from it; exit status 1 when there is a warning\n"
    "                              not accepted\n"
    "  frameplan accept LISTING ID --reason TEXT\n"
    "                              accepts the finding ID of frameplan check with a reason:\n"
    "                              it is kept in LISTING.frameplan.json and no longer warns\n"
    "  frameplan compare OLD NEW [--json] [--level HEIGHT] [--pdf OUT.pdf]\n"
    "                              reports what changed between two listings, level by\n"
    "                              level; exit status 1 when something did\n"
    "  frameplan takedown LISTING [OPTIONS]\n"
    "                              follows the loads to the ground: each column's load\n"
    "                              level by level down to its base; exit status 1 when a\n"
    "                              load finds no column\n"
    "  frameplan COMMAND --help    the options of a command\n"
    "  frameplan --help | --version\n";

constexpr const char* kExitStatus =
    "\nA listing that cannot be read prints its message, which names the line, on standard\n"
    "error. Exit status: 0 when done, 1 when done but for the levels past a drawing limit\n"
    "(each named on standard error, and left out), 2 for bad arguments or a listing that\n"
    "cannot be read or drawn.\n";

constexpr const char* kInfoDescription =
    "Prints a short summary of LISTING: joints, members, levels, loads, read time, and\n"
    "each level's floor load per load case (the sum of panel area times intensity), and the\n"
    "count of the warnings and notes that frameplan check lists.";

constexpr const char* kExportDescription =
    "Draws level plans of LISTING to PNG, SVG, PDF or DXF files, as the window shows them.\n"
    "Without --level or --height, the level the window opens on: level 3, or the highest\n"
    "when there are fewer.";

constexpr const char* kExportNotes =
    "\n--level all writes one PDF page per level (A4 landscape unless --paper or\n"
    "--orientation say otherwise, the level's height as the title, a title block and\n"
    "legend along the bottom), or one PNG, SVG or DXF file per level named OUT-N.png,\n"
    "OUT-N.svg or OUT-N.dxf. A --height that is no level is refused with the list of the\n"
    "levels. A --scale at which the plan does not fit the page is refused naming the\n"
    "scale that fits. DXF files are in metres at the true coordinates, seen from above.\n"
    "A level past a drawing limit writes nothing.\n";

constexpr const char* kCheckDescription =
    "Checks LISTING and prints its findings, grouped by level and kind, each with its listing\n"
    "line: floor loads that miss panels or levels, panels a load case leaves out or loads\n"
    "twice, member loads that no plan shows, beams without design blocks, and a listing cut\n"
    "short.";

constexpr const char* kCheckExitStatus =
    "\nEach finding has an id, the same after the analysis is run again. Findings accepted\n"
    "with frameplan accept are kept in LISTING.frameplan.json beside the listing, and are\n"
    "neither listed nor counted as warnings unless --all is given.\n"
    "Exit status: 0 when there is no warning that is not accepted (notes allowed), 1 when\n"
    "there is at least one, 2 for bad arguments, or a listing or a file of accepted findings\n"
    "that cannot be read.\n";

constexpr const char* kAcceptDescription =
    "Accepts a finding of frameplan check, by the id the check gives it, with a short reason:\n"
    "the finding is kept in LISTING.frameplan.json beside the listing, written whole, and\n"
    "frameplan check counts it as accepted, not as a warning. The finding is known again\n"
    "after the analysis is run again by its kind, level, place and load case.";

constexpr const char* kScheduleDescription =
    "Writes the panel, beam and takedown schedules of LISTING for spreadsheets: an XLSX\n"
    "workbook with the sheets Panels, Beams, Takedown (each column's load below each level,\n"
    "without self-weight) and Checks (what frameplan check finds), or three CSV files\n"
    "(RFC 4180, UTF-8 with a byte-order mark unless --no-bom).";

// Output that did not reach its file (a full disk, a closed pipe) is a failure, not a success.
int written(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) {
        return 0;
    }
    err << "frameplan: Cannot write the standard output. Check that the disk it goes to has "
           "room.\n";
    return kFailureStatus;
}

int usageError(std::ostream& err, const std::string& problem) {
    err << "frameplan: " << problem << "\nTry \"frameplan --help\".\n";
    return kFailureStatus;
}

// The document after the whole reading, or nothing when the reading failed (reported on `err`).
struct ReadDocument {
    std::optional<ListingDocument> document;
    std::vector<ListingMessage> messages;
    std::chrono::steady_clock::duration readTime{};
};

ReadDocument readDocument(const std::string& listing, std::ostream* echo, std::ostream& err) {
    ReadDocument read;
    StreamMessages messages(echo);
    try {
        const auto start = std::chrono::steady_clock::now();
        read.document = openListing(listing, messages);
        read.readTime = std::chrono::steady_clock::now() - start;
    } catch (const ListingError& failure) {
        err << "frameplan: " << failure.what() << "\n";
    }
    read.messages = messages.shown();
    return read;
}

// Names each level past a drawing limit on `err`; the status that tells of them, or 0.
int levelsPastLimits(const ListingDocument& document, std::ostream& err) {
    int status = 0;
    for (int level = 1; level <= document.levelCount(); ++level) {
        if (const auto& limit = document.level(level).limitError()) {
            err << "frameplan: " << limit->inListing(document.name).what() << "\n";
            status = kLevelsLeftOutStatus;
        }
    }
    return status;
}

int runDump(const std::string& listing, std::ostream& out, std::ostream& err) {
    const ReadDocument read = readDocument(listing, nullptr, err);
    if (!read.document) {
        return kFailureStatus;
    }
    writeDocumentJson(out, *read.document, read.messages);
    const int status = levelsPastLimits(*read.document, err);
    return std::max(written(out, err), status);
}

// A height in metres written whole, such as 7.8; anything else throws std::invalid_argument.
float parseLevelHeight(const std::string& text) {
    const std::optional<float> value = heightFromText(text);
    if (!value) {
        throw std::invalid_argument(
            "check: --level expects a height in metres, such as 7.8, not \"" + text + "\"");
    }
    return *value;
}

// A listing read whole, with the findings of its check: where info, check and schedule start.
struct CheckedDocument {
    ReadDocument read;
    std::vector<Finding> findings;
};

// Reads the listing once and checks it; nothing when it cannot be read (reported on `err`).
std::optional<CheckedDocument> readChecked(const std::string& listing, std::ostream& err) {
    ReadDocument read = readDocument(listing, &err, err);
    if (!read.document) {
        return std::nullopt;
    }
    std::vector<Finding> findings = checkDocument(*read.document);
    return CheckedDocument{std::move(read), std::move(findings)};
}

// The findings of the listing accepted before; nothing when the file of them cannot be read
// (reported on `err`).
std::optional<AcceptedFindings> readAccepted(const std::string& listing, std::ostream& err) {
    try {
        return readAcceptedFindings(listing);
    } catch (const AcceptedFileError& failure) {
        err << "frameplan: " << failure.what() << "\n";
        return std::nullopt;
    }
}

int runCheck(const std::string& listing, bool json, const std::string& levelHeight, bool all,
             std::ostream& out, std::ostream& err) {
    std::optional<float> height;
    if (!levelHeight.empty()) {
        try {
            height = parseLevelHeight(levelHeight);
        } catch (const std::invalid_argument& failure) {
            return usageError(err, failure.what());
        }
    }
    std::optional<CheckedDocument> checked = readChecked(listing, err);
    if (!checked) {
        return kFailureStatus;
    }
    const std::optional<AcceptedFindings> accepted = readAccepted(listing, err);
    if (!accepted) {
        return kFailureStatus;
    }
    const ReadDocument& read = checked->read;
    std::vector<Finding>& findings = checked->findings;
    if (height) {
        try {
            const int level = chosenLevels(*read.document, LevelChoice{false, {}, height}).front();
            // What is found about the listing as a whole bears on every level.
            std::erase_if(findings,
                          [level](const Finding& f) { return f.level != level && f.level != 0; });
        } catch (const ListingError& failure) {
            err << "frameplan: " << failure.inListing(read.document->name).what() << "\n";
            return kFailureStatus;
        }
    }
    const std::vector<JudgedFinding> judged = judgeFindings(findings, *read.document, *accepted);
    if (json) {
        writeFindingsJson(out, *read.document, judged, all);
    } else {
        writeFindingsText(out, *read.document, judged, all);
    }
    const int status = written(out, err);
    if (status != 0) {
        return status;
    }
    return countJudged(judged).open.warnings > 0 ? 1 : 0;
}

int runAccept(const std::string& listing, const std::string& id, const std::string& reason,
              std::ostream& out, std::ostream& err) {
    if (reason.find_first_not_of(" \t") == std::string::npos) {
        return usageError(err, "accept: --reason must say why the finding is as meant");
    }
    const std::optional<CheckedDocument> checked = readChecked(listing, err);
    if (!checked) {
        return kFailureStatus;
    }
    std::optional<AcceptedFindings> accepted = readAccepted(listing, err);
    if (!accepted) {
        return kFailureStatus;
    }
    const ListingDocument& document = *checked->read.document;
    const std::vector<std::string> ids = findingIds(checked->findings, document);
    const auto at = std::find(ids.begin(), ids.end(), id);
    if (at == ids.end()) {
        err << "frameplan: The check of " << listing << " finds nothing with the id \"" << id
            << "\". \"frameplan check " << listing << "\" lists the findings with their ids.\n";
        return kFailureStatus;
    }
    const Finding& finding = checked->findings[static_cast<std::size_t>(at - ids.begin())];
    accepted->accept(finding, id, reason);
    try {
        writeAcceptedFindings(listing, *accepted);
    } catch (const FileWriteError& failure) {
        err << "frameplan: " << failure.what() << "\n";
        return kFailureStatus;
    }
    out << "Accepted " << id << " (" << kindTitle(finding.kind) << "): " << reason << "\nWrote "
        << acceptedFindingsPath(listing) << "\n";
    return written(out, err);
}

int runInfo(const std::string& listing, std::ostream& out, std::ostream& err) {
    const std::optional<CheckedDocument> checked = readChecked(listing, err);
    if (!checked) {
        return kFailureStatus;
    }
    const std::optional<AcceptedFindings> accepted = readAccepted(listing, err);
    if (!accepted) {
        return kFailureStatus;
    }
    const ReadDocument& read = checked->read;
    writeDocumentSummary(out, *read.document, read.messages.size(), read.readTime);
    out << "Checks        "
        << judgedCountsText(
               countJudged(judgeFindings(checked->findings, *read.document, *accepted)))
        << " (frameplan check lists them)\n";
    const int status = levelsPastLimits(*read.document, err);
    return std::max(written(out, err), status);
}

int runSchedule(const std::string& listing, const std::string& output, bool byteOrderMark,
                std::ostream& out, std::ostream& err) {
    try {
        checkSchedulePath(output);
    } catch (const std::invalid_argument& failure) {
        return usageError(err, failure.what());
    }
    const std::optional<CheckedDocument> checked = readChecked(listing, err);
    if (!checked) {
        return kFailureStatus;
    }
    const ReadDocument& read = checked->read;
    try {
        for (const std::string& path :
             writeSchedule(*read.document, output, &checked->findings, byteOrderMark)) {
            out << "Wrote " << path << "\n";
        }
    } catch (const FileWriteError& failure) {
        err << "frameplan: " << failure.what() << "\n";
        return kFailureStatus;
    }
    const int status = levelsPastLimits(*read.document, err);
    return std::max(written(out, err), status);
}

// The words CLI11 left over: an unknown option, or a word no command takes.
int leftOver(const std::vector<std::string>& words, const std::string& windowListing,
             std::ostream& err) {
    const std::string& first = words.front();
    if (first.size() > 1 && first[0] == '-') {
        return usageError(err, "unknown option \"" + first + "\"");
    }
    if (!windowListing.empty()) {
        return usageError(err, "unknown command \"" + windowListing + "\"");
    }
    return usageError(err, "\"" + first + "\" is one word too many");
}

}  // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const CommandLineHooks& hooks) {
    const FileNoticeScope notices(
        [&err](const std::string& text) { err << "frameplan: " << text << '\n'; });
    // Answered before the command line is built: CLI11 would build every command first and
    // then answer by throwing an exception.
    if (arguments == std::vector<std::string>{"--version"}) {
        out << "frameplan " << FRAMEPLAN_VERSION << '\n';
        return written(out, err);
    }
    CLI::App app(kDescription, "frameplan");
    app.set_version_flag("--version", std::string("frameplan ") + FRAMEPLAN_VERSION);
    app.footer(std::string(kForms) + kExitStatus);
    app.get_formatter()->label("SUBCOMMAND", "COMMAND");
    app.allow_extras();
    app.require_subcommand(0, 1);
    std::string windowListing;
    app.add_option("LISTING", windowListing, "Opens the window on LISTING, or asks for one");

    std::string listing;
    CLI::App* dump = app.add_subcommand("dump", "Prints the model read from LISTING as JSON");
    dump->add_option("LISTING", listing, "The analysis listing")->required();
    CLI::App* info = app.add_subcommand("info", kInfoDescription);
    info->add_option("LISTING", listing, "The analysis listing")->required();
    ExportArguments exportArguments;
    CLI::App* exportCommand = app.add_subcommand("export", kExportDescription);
    addExportArguments(*exportCommand, exportArguments);
    exportCommand->footer(std::string(kExportNotes) + kExitStatus);
    std::string scheduleOutput;
    CLI::App* schedule = app.add_subcommand("schedule", kScheduleDescription);
    schedule->add_option("LISTING", listing, "The analysis listing")->required();
    schedule
        ->add_option("-o,--output", scheduleOutput,
                     "loads.xlsx, or loads.csv for loads-panels.csv, loads-beams.csv and "
                     "loads-takedown.csv")
        ->required();
    bool noByteOrderMark = false;
    schedule->add_flag("--no-bom", noByteOrderMark,
                       "No UTF-8 byte-order mark at the start of CSV files, for tools that do "
                       "not want one");
    bool checkJson = false;
    std::string checkHeight;
    CLI::App* check = app.add_subcommand("check", kCheckDescription);
    check->add_option("LISTING", listing, "The analysis listing")->required();
    check->add_flag("--json", checkJson,
                    "Writes the findings as JSON (the schema is in the README)");
    check->add_option("--level", checkHeight,
                      "Only the findings of the level at this height in metres, such as 7.8, and "
                      "those of the whole listing");
    bool checkAll = false;
    check->add_flag("--all", checkAll,
                    "The accepted findings too, apart, each with the reason it was accepted for");
    check->footer(kCheckExitStatus);
    std::string acceptId;
    std::string acceptReason;
    CLI::App* accept = app.add_subcommand("accept", kAcceptDescription);
    accept->add_option("LISTING", listing, "The analysis listing")->required();
    accept->add_option("ID", acceptId, "The finding's id, as frameplan check prints it")
        ->required();
    accept->add_option("--reason", acceptReason, "Why the finding is as meant")->required();
    CompareArguments compareArguments;
    CLI::App* compare = addCompareCommand(app, compareArguments);
    TakedownArguments takedownArguments;
    CLI::App* takedown = addTakedownCommand(app, takedownArguments);
    for (CLI::App* command : {dump, info, exportCommand, schedule, check, accept}) {
        command->allow_extras(false);
        // The forms in the footer list the commands with their arguments.
        command->group("");
    }
    for (CLI::App* command : {dump, info, schedule, accept}) {
        command->footer(kExitStatus);
    }

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::Success& success) {
        // Help that did not reach its reader is a failure too.
        const int status = app.exit(success, out, err);
        return status != 0 ? status : written(out, err);
    } catch (const CLI::ParseError& failure) {
        return usageError(err, failure.what());
    }
    // Extras are allowed so that unknown words get messages of the program's own; the "--"
    // that ends the options is kept among them, and is no extra.
    std::vector<std::string> extras = app.remaining();
    extras.erase(std::remove(extras.begin(), extras.end(), "--"), extras.end());
    if (!extras.empty()) {
        return leftOver(extras, windowListing, err);
    }
    const std::vector<std::string> inputs =
        *compare          ? std::vector<std::string>{compareArguments.request.oldListing,
                                                     compareArguments.request.newListing}
        : *exportCommand  ? std::vector<std::string>{exportArguments.listing}
        : listing.empty() ? std::vector<std::string>{}
                          : std::vector<std::string>{listing};
    const std::optional<std::string> outputIsInput =
        inputStandardStreamIs(StandardStream::Output, inputs);
    const std::optional<std::string> errorIsInput =
        inputStandardStreamIs(StandardStream::Error, inputs);
    if (outputIsInput || errorIsInput) {
        // Told on the standard error, unless that is the listing too.
        if (!errorIsInput) {
            err << "frameplan: Cannot write the standard output: it is the listing "
                << *outputIsInput << " itself, which it would change. Send it to another file.\n";
        }
        return kFailureStatus;
    }
    if (*dump) {
        return runDump(listing, out, err);
    }
    if (*info) {
        return runInfo(listing, out, err);
    }
    if (*check) {
        return runCheck(listing, checkJson, checkHeight, checkAll, out, err);
    }
    if (*accept) {
        return runAccept(listing, acceptId, acceptReason, out, err);
    }
    if (*schedule) {
        return runSchedule(listing, scheduleOutput, !noByteOrderMark, out, err);
    }
    if (*compare) {
        return runCompare(compareArguments, out, err, hooks.comparePlans);
    }
    if (*takedown) {
        return runTakedown(takedownArguments, out, err);
    }
    if (*exportCommand) {
        try {
            return hooks.exportPlans(exportRequestFrom(exportArguments));
        } catch (const std::invalid_argument& failure) {
            err << "frameplan " << failure.what() << '\n';
            return kFailureStatus;
        }
    }
    return hooks.openWindow(windowListing);
}

}  // namespace fp

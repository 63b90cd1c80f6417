// The takedown command: arguments, reading, and the report as text or JSON.
#include "cli/takedown_command.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <optional>

#include "cli/takedown_json.h"
#include "cli/takedown_report.h"
#include "model/number_text.h"
#include "output/exit_status.h"
#include "output/export_request.h"
#include "output/stream_messages.h"

namespace fp {
namespace {

constexpr const char* kTakedownDescription =
    "Follows the loads of LISTING to the ground: each slab panel's floor load onto the beams\n"
    "round it (two-way by the 45 degree rule, one-way where the long span is at least twice\n"
    "the short), the beams' member loads, their end reactions into the columns (by the lever\n"
    "rule along the beam line where a joint has no column below), and each column's load\n"
    "added up storey by storey down to its base. For every load case with floor or member\n"
    "loads and every load combination of the listing; without self-weight.";

constexpr const char* kTakedownNotes =
    "\nPrints, for each column stack (named by its grid lines, such as C/4), the load added at\n"
    "each level and the load in the column below it; each level's totals; the loads that\n"
    "find no column; and the equilibrium of each case: applied (floor + member) = bases +\n"
    "unsupported.\n"
    "Exit status: 0 when every load reaches a base, 1 when a load finds no column or a\n"
    "level is left out past a drawing limit, 2 when the listing cannot be read or for bad\n"
    "arguments.\n";

int usage(std::ostream& err, const std::string& problem) {
    err << "frameplan takedown: " << problem << "\nTry \"frameplan takedown --help\".\n";
    return kFailureStatus;
}

// The names a choice can be made from: "1, 2" or "none".
std::string numbersText(const std::vector<std::string>& numbers) {
    std::string text;
    for (const std::string& number : numbers) {
        text += (text.empty() ? "" : ", ") + number;
    }
    return text.empty() ? "none" : text;
}

// The choices asked for, or a failure named on `err`.
std::optional<std::vector<LoadChoice>> chosen(const TakedownArguments& arguments,
                                              const LoadCases& cases, std::ostream& err) {
    if (!arguments.caseNumber.empty()) {
        const auto index = cases.caseIndex(arguments.caseNumber);
        if (!index) {
            usage(err, "the listing has no load case " + arguments.caseNumber +
                           " with floor or member loads; it has " + numbersText(cases.cases));
            return std::nullopt;
        }
        return std::vector<LoadChoice>{{LoadChoice::Kind::Case, *index}};
    }
    if (!arguments.combinationNumber.empty()) {
        const auto index = cases.combinationIndex(arguments.combinationNumber);
        if (!index) {
            std::vector<std::string> numbers;
            for (const Combination& combination : cases.combinations) {
                numbers.push_back(combination.number);
            }
            usage(err, "the listing has no load combination " + arguments.combinationNumber +
                           "; it has " + numbersText(numbers));
            return std::nullopt;
        }
        return std::vector<LoadChoice>{{LoadChoice::Kind::Combination, *index}};
    }
    return cases.everyChoice();
}

}  // namespace

CLI::App* addTakedownCommand(CLI::App& app, TakedownArguments& arguments) {
    CLI::App* command = app.add_subcommand("takedown", kTakedownDescription);
    command->add_option("LISTING", arguments.listing, "The analysis listing")->required();
    command->add_flag("--json", arguments.json,
                      "Writes the takedown as JSON (the schema is in the README)");
    command->add_option("--level", arguments.levelHeight,
                        "Only the rows of the level at this height in metres, such as 7.8");
    CLI::Option* loadCase =
        command->add_option("--case", arguments.caseNumber, "Only this load case");
    CLI::Option* combination = command->add_option("--combination", arguments.combinationNumber,
                                                   "Only this load combination");
    loadCase->excludes(combination);
    command->add_option("--one-way-ratio", arguments.oneWayRatio,
                        "A panel whose long span is at least R times its short one is one-way "
                        "(default 2; more than 1)");
    command->footer(kTakedownNotes);
    command->allow_extras(false);
    command->group("");
    return command;
}

int runTakedown(const TakedownArguments& arguments, std::ostream& out, std::ostream& err) {
    if (!std::isfinite(arguments.oneWayRatio) || arguments.oneWayRatio <= 1) {
        return usage(err, "--one-way-ratio must be a number more than 1, such as 2");
    }
    std::optional<float> height;
    if (!arguments.levelHeight.empty()) {
        height = heightFromText(arguments.levelHeight);
        if (!height) {
            return usage(err, "--level expects a height in metres, such as 7.8, not \"" +
                                  arguments.levelHeight + "\"");
        }
    }
    StreamMessages messages(&err);
    std::optional<ListingDocument> document;
    try {
        document = openListing(arguments.listing, messages);
    } catch (const ListingError& failure) {
        err << "frameplan: " << failure.what() << "\n";
        return kFailureStatus;
    }
    int level = 0;
    if (height) {
        try {
            level = chosenLevels(*document, LevelChoice{false, {}, height}).front();
        } catch (const ListingError& failure) {
            err << "frameplan: " << failure.inListing(document->name).what() << "\n";
            return kFailureStatus;
        }
    }
    const Takedown takedown = takeDown(*document, {arguments.oneWayRatio});
    const std::optional<std::vector<LoadChoice>> choices = chosen(arguments, takedown.cases, err);
    if (!choices) {
        return kFailureStatus;
    }
    if (arguments.json) {
        writeTakedownJson(out, *document, takedown, *choices, level);
    } else {
        writeTakedownReport(out, *document, takedown, *choices, level);
    }
    out.flush();
    if (!out) {
        err << "frameplan: Cannot write the standard output. Check that the disk it goes to has "
               "room.\n";
        return kFailureStatus;
    }
    for (const int left : takedown.equilibrium.levelsLeftOut) {
        err << "frameplan: " << document->level(left).limitError()->inListing(document->name).what()
            << "\n";
    }
    const bool whole = takedown.unsupported.empty() && takedown.equilibrium.levelsLeftOut.empty();
    return whole ? 0 : 1;
}

}  // namespace fp

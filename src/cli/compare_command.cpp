// The compare command: both listings read whole, one after the other, then compared.
#include "cli/compare_command.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <optional>

#include "cli/compare_json.h"
#include "compare/comparison_report.h"
#include "document/listing_document.h"
#include "model/number_text.h"
#include "output/exit_status.h"
#include "output/stream_messages.h"

namespace fp {
namespace {

constexpr const char* kCompareDescription =
    "Compares two listings of one building, matched by geometry: levels by height, beams by\n"
    "their ends, panels by their bounds. Reports beams added, removed, renumbered or of\n"
    "another length, panels added or removed, changed floor and member loads and level\n"
    "totals, then load cases, moved joints, members added or removed and each listing's\n"
    "messages.";

constexpr const char* kCompareNotes =
    "\nExit status: 0 when nothing differs, 1 when something does, 2 when a listing cannot\n"
    "be read or for bad arguments.\n";

constexpr int kDifferStatus = 1;

struct ReadListing {
    std::optional<ListingDocument> document;
    std::vector<ListingMessage> messages;
};

ReadListing readOne(const std::string& path, std::ostream& err) {
    ReadListing read;
    StreamMessages messages(nullptr);
    try {
        read.document = openListing(path, messages);
    } catch (const ListingError& failure) {
        err << "frameplan: " << failure.what() << "\n";
    }
    read.messages = messages.shown();
    return read;
}

// The height in hundredths of a metre that is the user's number of metres exactly, as a level's
// height in metres is; nothing when it is no number.
std::optional<float> heightFrom(const std::string& text) {
    float value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return static_cast<float>(std::round(static_cast<double>(value) * 100));
}

std::string heightsText(const ListingDocument& document) {
    std::string heights;
    for (int level = 1; level <= document.levelCount(); ++level) {
        heights += (level > 1 ? ", " : "") +
                   valueText(static_cast<float>(metres(document.levelHeight(level))));
    }
    return heights;
}

}  // namespace

CLI::App* addCompareCommand(CLI::App& app, CompareArguments& arguments) {
    CLI::App* command = app.add_subcommand("compare", kCompareDescription);
    command->add_option("OLD", arguments.oldListing, "The listing of the earlier run")->required();
    command->add_option("NEW", arguments.newListing, "The listing of the later run")->required();
    command->add_flag("--json", arguments.json, "Writes the changes as JSON");
    command->add_option("--level", arguments.levelHeight,
                        "Only the level at this height in metres, such as 7.8");
    command->footer(kCompareNotes);
    command->allow_extras(false);
    command->group("");
    return command;
}

int runCompare(const CompareArguments& arguments, std::ostream& out, std::ostream& err) {
    std::optional<float> onlyHeight;
    if (!arguments.levelHeight.empty()) {
        onlyHeight = heightFrom(arguments.levelHeight);
        if (!onlyHeight) {
            err << "frameplan compare: --level expects a height in metres, such as 7.8, not \""
                << arguments.levelHeight << "\"\n";
            return kFailureStatus;
        }
    }
    const ReadListing before = readOne(arguments.oldListing, err);
    const ReadListing after = readOne(arguments.newListing, err);
    if (!before.document || !after.document) {
        return kFailureStatus;
    }
    const ListingComparison comparison = compareListings(
        {*before.document, before.messages}, {*after.document, after.messages}, onlyHeight);
    if (onlyHeight && comparison.levels.empty()) {
        err << "frameplan compare: neither listing has a level at " << arguments.levelHeight
            << " m. The levels of " << before.document->name << " are at "
            << heightsText(*before.document) << " m, those of " << after.document->name << " at "
            << heightsText(*after.document) << " m.\n";
        return kFailureStatus;
    }
    if (arguments.json) {
        writeComparisonJson(out, comparison);
    } else {
        writeComparisonReport(out, comparison);
    }
    out.flush();
    if (!out) {
        err << "frameplan: Cannot write the standard output. Check that the disk it goes to has "
               "room.\n";
        return kFailureStatus;
    }
    return comparison.same() ? 0 : kDifferStatus;
}

}  // namespace fp

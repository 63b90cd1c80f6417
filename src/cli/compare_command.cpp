// The compare command: the report as text or JSON here, the PDF through the program that draws.
#include "cli/compare_command.h"

#include <CLI/CLI.hpp>

#include "cli/compare_json.h"
#include "compare/comparison_report.h"
#include "output/exit_status.h"

namespace fp {
namespace {

constexpr const char* kCompareDescription =
    "Compares two listings of one building, matched by geometry: levels by height, beams by\n"
    "their ends, panels by their bounds. Reports beams added, removed, renumbered or of\n"
    "another length, panels added or removed, changed floor and member loads and level\n"
    "totals, then load cases, moved joints, members added or removed and each listing's\n"
    "messages.";

constexpr const char* kCompareNotes =
    "\n--pdf writes each changed level's plan with its changes coloured (added, removed\n"
    "dashed where it was, changed), a title block naming both listings, and pages of the\n"
    "changes.\n"
    "Exit status: 0 when nothing differs, 1 when something does, 2 when a listing cannot\n"
    "be read or for bad arguments.\n";

constexpr int kDifferStatus = 1;

}  // namespace

CLI::App* addCompareCommand(CLI::App& app, CompareArguments& arguments) {
    CLI::App* command = app.add_subcommand("compare", kCompareDescription);
    command->add_option("OLD", arguments.request.oldListing, "The listing of the earlier run")
        ->required();
    command->add_option("NEW", arguments.request.newListing, "The listing of the later run")
        ->required();
    command->add_flag("--json", arguments.json, "Writes the changes as JSON");
    command->add_option("--level", arguments.request.levelHeight,
                        "Only the level at this height in metres, such as 7.8");
    command->add_option("--pdf", arguments.request.pdf,
                        "Writes the coloured plans and the changes to this PDF file");
    command->footer(kCompareNotes);
    command->allow_extras(false);
    command->group("");
    return command;
}

int runCompare(const CompareArguments& arguments, std::ostream& out, std::ostream& err,
               const std::function<int(const CompareRequest&)>& writePdf) {
    if (!arguments.request.pdf.empty()) {
        if (arguments.json) {
            err << "frameplan compare: --pdf and --json write the changes in two forms; ask for "
                   "one\n";
            return kFailureStatus;
        }
        if (!writePdf) {
            err << "frameplan compare: this program cannot draw PDF files\n";
            return kFailureStatus;
        }
        return writePdf(arguments.request);
    }
    const std::optional<ComparedListings> compared = compareRequested(arguments.request, err);
    if (!compared) {
        return kFailureStatus;
    }
    if (arguments.json) {
        writeComparisonJson(out, compared->comparison);
    } else {
        writeComparisonReport(out, compared->comparison);
    }
    out.flush();
    if (!out) {
        err << "frameplan: Cannot write the standard output. Check that the disk it goes to has "
               "room.\n";
        return kFailureStatus;
    }
    return compared->comparison.same() ? 0 : kDifferStatus;
}

}  // namespace fp

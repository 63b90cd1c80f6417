// The export command's arguments, declared for the command line and checked.
#include "cli/export_arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <stdexcept>

#include "files/file_names.h"

namespace fp {

namespace {

// The plan scales offered, "50, 100, 200, 250, 500" with `between` ", ".
std::string planScaleList(const std::string& between) {
    std::string list;
    for (const int scale : kPlanScales) {
        list += (list.empty() ? "" : between) + std::to_string(scale);
    }
    return list;
}

std::invalid_argument badOption(const std::string& text) {
    return std::invalid_argument("export: " + text + " (see frameplan --help)");
}

int parseInt(const std::string& text, const std::string& option) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        throw badOption(option + " expects a whole number, not \"" + text + "\"");
    }
    return value;
}

// The whole text read as a number; nothing when it is not one.
std::optional<float> wholeNumber(const std::string& text) {
    float value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

float parseFloat(const std::string& text, const std::string& option) {
    const std::optional<float> value = wholeNumber(text);
    if (!value) {
        throw badOption(option + " expects numbers separated by commas, not \"" + text + "\"");
    }
    return *value;
}

float parseHeight(const std::string& text) {
    const std::optional<float> value = heightFromText(text);
    if (!value) {
        throw badOption("--height expects a height in metres, such as 7.8, not \"" + text + "\"");
    }
    return *value;
}

ExportFormat parseFormat(const std::string& text) {
    if (const std::optional<ExportFormat> format = formatNamed(text)) {
        return *format;
    }
    throw badOption("unknown format \"" + text + "\"; use png, svg, pdf or dxf");
}

std::vector<float> parseIntensities(const std::string& text) {
    std::vector<float> values;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto comma = std::min(text.find(',', start), text.size());
        values.push_back(parseFloat(text.substr(start, comma - start), "--intensities"));
        start = comma + 1;
    }
    return values;
}

// "1,3": load case numbers as the listing writes them, blanks around them left out.
std::vector<std::string> parseCases(const std::string& text) {
    std::vector<std::string> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto comma = std::min(text.find(',', start), text.size());
        const std::string piece = text.substr(start, comma - start);
        const auto first = piece.find_first_not_of(' ');
        if (first == std::string::npos) {
            throw badOption(
                "--cases expects load case numbers separated by commas, such as 1,3, "
                "not \"" +
                text + "\"");
        }
        numbers.push_back(piece.substr(first, piece.find_last_not_of(' ') + 1 - first));
        start = comma + 1;
    }
    return numbers;
}

void parseSize(const std::string& text, ExportRequest& request) {
    const auto cross = text.find('x');
    if (cross == std::string::npos) {
        throw badOption("--size expects WIDTHxHEIGHT in pixels, such as 1600x900");
    }
    request.width = parseInt(text.substr(0, cross), "--size");
    request.height = parseInt(text.substr(cross + 1), "--size");
    constexpr int kLargest = 20000;
    if (request.width < 16 || request.height < 16 || request.width > kLargest ||
        request.height > kLargest) {
        throw badOption("--size " + text + " is out of range; each side must be 16 to 20000");
    }
    // An image's memory grows with its pixels, which the sides alone do not bound.
    const double pixels = static_cast<double>(request.width) * request.height;
    if (pixels > kMostPixels) {
        // The largest size of the same shape; the small allowance keeps 8000 from reading 7999.
        const double shrink = std::sqrt(kMostPixels / pixels);
        auto width = static_cast<int>(request.width * shrink + 1e-6);
        auto height = static_cast<int>(request.height * shrink + 1e-6);
        while (static_cast<double>(width) * height > kMostPixels) {
            --width;
            --height;
        }
        throw badOption("--size " + text + " is too large: at most 64 megapixels are drawn, " +
                        std::to_string(width) + "x" + std::to_string(height) + " at this shape");
    }
}

// "1" for load case 1, "c101" for combination 101.
ColumnLoadChoice parseColumnLoads(const std::string& text) {
    ColumnLoadChoice choice;
    choice.combination = !text.empty() && (text[0] == 'c' || text[0] == 'C');
    choice.number = choice.combination ? text.substr(1) : text;
    if (choice.number.empty()) {
        throw badOption(
            "--column-loads expects a load case number, or c and a combination's "
            "number (c101), not \"" +
            text + "\"");
    }
    return choice;
}

PageSetup parsePage(const ExportArguments& arguments) {
    PageSetup page;
    if (arguments.paper != "a4" && arguments.paper != "a3") {
        throw badOption("--paper is a4 or a3, not \"" + arguments.paper + "\"");
    }
    page.paper = arguments.paper == "a3" ? Paper::A3 : Paper::A4;
    if (arguments.orientation != "landscape" && arguments.orientation != "portrait") {
        throw badOption("--orientation is landscape or portrait, not \"" + arguments.orientation +
                        "\"");
    }
    page.orientation =
        arguments.orientation == "portrait" ? Orientation::Portrait : Orientation::Landscape;
    if (arguments.scale != "fit") {
        const std::string number =
            arguments.scale.rfind("1:", 0) == 0 ? arguments.scale.substr(2) : arguments.scale;
        const auto offered =
            std::find_if(std::begin(kPlanScales), std::end(kPlanScales),
                         [&number](int scale) { return std::to_string(scale) == number; });
        if (offered == std::end(kPlanScales)) {
            throw badOption("--scale is one of " + planScaleList(", ") +
                            " (1:50 ...) or fit, not \"" + arguments.scale + "\"");
        }
        page.scale = *offered;
    }
    return page;
}

}  // namespace

void addExportArguments(CLI::App& command, ExportArguments& arguments) {
    command.add_option("LISTING", arguments.listing, "The analysis listing")->required();
    command.add_option("-o,--output", arguments.output, "The file to write (OUT)")->required();
    CLI::Option* level =
        command.add_option("--level", arguments.level,
                           "The level: its number from 1 at the lowest, or all (default: level 3, "
                           "or the highest when there are fewer)");
    command.add_option("--height", arguments.levelHeight, "The level at this height in metres")
        ->excludes(level);
    command.add_option("--format", arguments.format,
                       "png, svg, pdf or dxf (default: from OUT's extension)");
    command.add_option("--mode", arguments.mode, "floor or member (default: floor)");
    command.add_flag("--beam-numbers", arguments.beamNumbers,
                     "Member numbers on the beams, in member-load mode");
    command.add_flag("--member-loads", arguments.memberLoads,
                     "Each beam's member loads on it, in member-load mode");
    command.add_flag("--no-load-type", arguments.noLoadType,
                     "No load-case titles after the floor loads");
    command.add_option("--intensities", arguments.intensities,
                       "Only these floor-load intensities, such as 2,4.5");
    command.add_option("--cases", arguments.cases,
                       "Only the floor and member loads of these load cases, such as 1,3");
    command.add_option("--size", arguments.size,
                       "The PNG or SVG size in pixels, such as 1600x900 (PDF pages: --paper and "
                       "--orientation)");
    command.add_flag("--no-grid", arguments.noGrid,
                     "No grid lines and bubbles (on the DXF layer GRID otherwise)");
    command.add_flag("--tributary-areas", arguments.tributaryAreas,
                     "The lines that part each panel's load between its beams (45° and one-way), "
                     "in floor-load mode");
    command.add_option("--column-loads", arguments.columnLoads,
                       "CASE or cN: beside each column, its load below the level (kN) for load "
                       "case CASE or combination N, without self-weight");
    command.add_flag("--designed-labels", arguments.designedLabels,
                     "Every text at its designed place, even over another or across a beam");
    command.add_option("--paper", arguments.paper,
                       "a4 or a3: the sheet of PDF pages (default: a4)");
    command.add_option("--orientation", arguments.orientation,
                       "landscape or portrait (default: landscape)");
    command.add_option("--scale", arguments.scale,
                       planScaleList(", ") + " for the plan at 1:" + planScaleList(", 1:") +
                           " on PDF pages, with a scale bar; or fit (the default)");
    command.add_option("--job-name", arguments.jobName, "The job's name in the title block");
    command.add_option("--job-number", arguments.jobNumber, "The job's number in the title block");
    command.add_option("--engineer", arguments.engineer, "The engineer in the title block");
    command.add_option("--checker", arguments.checker, "The checker in the title block");
    command.add_flag("--title-block", arguments.titleBlock,
                     "A title block and legend on PNG and SVG files too (PDF pages have them)");
    command.add_flag("--checks", arguments.checks,
                     "With --level all to PDF: Checks pages after the plans, listing what "
                     "frameplan check finds");
    command.add_flag("--takedown", arguments.takedown,
                     "With --level all to PDF: Takedown pages after the plans, each column "
                     "stack's loads level by level and the equilibrium");
}

ExportRequest exportRequestFrom(const ExportArguments& arguments) {
    ExportRequest request;
    request.listing = arguments.listing;
    request.output = arguments.output;
    if (arguments.level == "all") {
        request.levels.all = true;
    } else if (!arguments.level.empty()) {
        request.levels.number = parseInt(arguments.level, "--level");
    }
    if (!arguments.levelHeight.empty()) {
        request.levels.heightMetres = parseHeight(arguments.levelHeight);
    }
    request.titleBlock = arguments.titleBlock;
    if (arguments.mode != "floor" && arguments.mode != "member") {
        throw badOption("--mode is floor or member, not \"" + arguments.mode + "\"");
    }
    request.view.mode = arguments.mode == "member" ? LoadMode::Member : LoadMode::Floor;
    request.view.memberNumbers = arguments.beamNumbers;
    request.view.memberLoadsOnBeams = arguments.memberLoads;
    request.view.loadCaseNumbers = !arguments.noLoadType;
    request.view.gridLines = !arguments.noGrid;
    request.view.tributaryAreas = arguments.tributaryAreas;
    request.view.designedLabelPositions = arguments.designedLabels;
    if (!arguments.columnLoads.empty()) {
        request.view.columnLoads = parseColumnLoads(arguments.columnLoads);
    }
    request.page = parsePage(arguments);
    request.job.name = arguments.jobName;
    request.job.number = arguments.jobNumber;
    request.job.engineer = arguments.engineer;
    request.job.checker = arguments.checker;
    if (!arguments.intensities.empty()) {
        request.intensities = parseIntensities(arguments.intensities);
    }
    if (!arguments.cases.empty()) {
        request.view.shownCases = parseCases(arguments.cases);
    }
    if (!arguments.size.empty()) {
        parseSize(arguments.size, request);
    }
    if (!arguments.format.empty()) {
        request.format = parseFormat(arguments.format);
    } else if (const std::optional<ExportFormat> format =
                   formatNamed(extensionOf(request.output))) {
        request.format = *format;
    } else {
        throw badOption("cannot tell the format from \"" + request.output +
                        "\"; end it in .png, .svg, .pdf or .dxf, or give --format");
    }
    request.checksPages = arguments.checks;
    if (arguments.checks && !(request.levels.all && request.format == ExportFormat::Pdf)) {
        throw badOption(
            "--checks adds its pages to a PDF of every level: use it with --level all "
            "and a PDF output");
    }
    request.takedownPages = arguments.takedown;
    if (arguments.takedown && !(request.levels.all && request.format == ExportFormat::Pdf)) {
        throw badOption(
            "--takedown adds its pages to a PDF of every level: use it with --level all "
            "and a PDF output");
    }
    return request;
}

}  // namespace fp

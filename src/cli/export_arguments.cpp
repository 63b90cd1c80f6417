// The export command's arguments, declared for the command line and checked.
#include "cli/export_arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <optional>
#include <stdexcept>

#include "files/file_names.h"

namespace fp {

namespace {

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
    const std::optional<float> value = wholeNumber(text);
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
    command.add_option("--size", arguments.size,
                       "The PNG or SVG size in pixels, such as 1600x900 (PDF pages are A4 "
                       "landscape)");
    command.add_flag("--title-block", arguments.titleBlock,
                     "A title block and legend on PNG and SVG files too (PDF pages have them)");
    command.add_flag("--checks", arguments.checks,
                     "With --level all to PDF: Checks pages after the plans, listing what "
                     "frameplan check finds");
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
    if (!arguments.intensities.empty()) {
        request.intensities = parseIntensities(arguments.intensities);
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
    return request;
}

}  // namespace fp

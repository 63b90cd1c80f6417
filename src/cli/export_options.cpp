// The export command's arguments, declared for the command line and checked.
#include "cli/export_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <stdexcept>

namespace fp {

namespace {

std::invalid_argument badOption(const std::string& text) {
    return std::invalid_argument("export: " + text + " (see frameplan --help)");
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
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
    const std::string name = lowered(text);
    if (name == "png") {
        return ExportFormat::Png;
    }
    if (name == "svg") {
        return ExportFormat::Svg;
    }
    if (name == "pdf") {
        return ExportFormat::Pdf;
    }
    if (name == "dxf") {
        return ExportFormat::Dxf;
    }
    throw badOption("unknown format \"" + text + "\"; use png, svg, pdf or dxf");
}

std::optional<ExportFormat> formatFromExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::nullopt;
    }
    try {
        return parseFormat(path.substr(dot + 1));
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
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

void parseSize(const std::string& text, ExportOptions& options) {
    const auto cross = text.find('x');
    if (cross == std::string::npos) {
        throw badOption("--size expects WIDTHxHEIGHT in pixels, such as 1600x900");
    }
    options.width = parseInt(text.substr(0, cross), "--size");
    options.height = parseInt(text.substr(cross + 1), "--size");
    constexpr int kLargest = 20000;
    if (options.width < 16 || options.height < 16 || options.width > kLargest ||
        options.height > kLargest) {
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
}

ExportOptions exportOptionsFrom(const ExportArguments& arguments) {
    ExportOptions options;
    options.listing = arguments.listing;
    options.output = arguments.output;
    if (arguments.level == "all") {
        options.allLevels = true;
    } else if (!arguments.level.empty()) {
        options.level = parseInt(arguments.level, "--level");
    }
    if (!arguments.levelHeight.empty()) {
        options.levelHeight = parseHeight(arguments.levelHeight);
    }
    options.titleBlock = arguments.titleBlock;
    if (arguments.mode != "floor" && arguments.mode != "member") {
        throw badOption("--mode is floor or member, not \"" + arguments.mode + "\"");
    }
    options.memberLoadMode = arguments.mode == "member";
    options.beamNumbers = arguments.beamNumbers;
    options.memberLoads = arguments.memberLoads;
    options.loadType = !arguments.noLoadType;
    if (!arguments.intensities.empty()) {
        options.intensities = parseIntensities(arguments.intensities);
    }
    if (!arguments.size.empty()) {
        parseSize(arguments.size, options);
    }
    std::optional<ExportFormat> format;
    if (!arguments.format.empty()) {
        format = parseFormat(arguments.format);
    } else {
        format = formatFromExtension(options.output);
        if (!format) {
            throw badOption("cannot tell the format from \"" + options.output +
                            "\"; end it in .png, .svg, .pdf or .dxf, or give --format");
        }
    }
    options.format = *format;
    return options;
}

}  // namespace fp

// Parsing of the export command's arguments.
#include "app/export_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
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

float parseFloat(const std::string& text, const std::string& option) {
    float value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        throw badOption(option + " expects numbers separated by commas, not \"" + text + "\"");
    }
    return value;
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
    throw badOption("unknown format \"" + text + "\"; use png, svg or pdf");
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

ExportOptions parseExportOptions(const std::vector<std::string>& arguments) {
    ExportOptions options;
    std::optional<ExportFormat> format;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) {
                throw badOption(argument + " needs a value");
            }
            return arguments[++i];
        };
        if (argument == "-o" || argument == "--output") {
            options.output = value();
        } else if (argument == "--level") {
            const std::string& level = value();
            if (level == "all") {
                options.allLevels = true;
            } else {
                options.level = parseInt(level, "--level");
            }
        } else if (argument == "--format") {
            format = parseFormat(value());
        } else if (argument == "--mode") {
            const std::string& mode = value();
            if (mode != "floor" && mode != "member") {
                throw badOption("--mode is floor or member, not \"" + mode + "\"");
            }
            options.memberLoadMode = mode == "member";
        } else if (argument == "--beam-numbers") {
            options.beamNumbers = true;
        } else if (argument == "--no-load-type") {
            options.loadType = false;
        } else if (argument == "--intensities") {
            options.intensities = parseIntensities(value());
        } else if (argument == "--size") {
            parseSize(value(), options);
        } else if (argument.size() > 1 && argument[0] == '-') {
            throw badOption("unknown option " + argument);
        } else if (options.listing.empty()) {
            options.listing = argument;
        } else {
            throw badOption("one listing only; \"" + argument + "\" is one too many");
        }
    }
    if (options.listing.empty()) {
        throw badOption("no listing given");
    }
    if (options.output.empty()) {
        throw badOption("no output file given (-o OUT)");
    }
    if (!format) {
        format = formatFromExtension(options.output);
        if (!format) {
            throw badOption("cannot tell the format from \"" + options.output +
                            "\"; end it in .png, .svg or .pdf, or give --format");
        }
    }
    options.format = *format;
    return options;
}

const char* exportUsage() {
    return "  frameplan export LISTING -o OUT [--level N|all] [--format png|svg|pdf]\n"
           "                  [--mode floor|member] [--beam-numbers] [--no-load-type]\n"
           "                  [--intensities 2,4.5] [--size 1600x900]\n"
           "      Draws the plan of a level (default: level 3, or the highest when there are\n"
           "      fewer) in floor-load mode with every annotation shown. --level all writes\n"
           "      one PDF page per level, or one PNG or SVG file per level named OUT-N.png.\n"
           "      --intensities shows only those floor-load intensities; --beam-numbers\n"
           "      shows member numbers in member-load mode. The format follows OUT's\n"
           "      extension unless --format is given; --size is the PNG or SVG size in\n"
           "      pixels (PDF pages are A4 landscape).\n";
}

}  // namespace fp

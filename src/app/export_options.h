// The options of "frameplan export": what to draw, how, and where to write it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace fp {

enum class ExportFormat { Png, Svg, Pdf };

struct ExportOptions {
    std::string listing;
    std::string output;
    // A level index; nothing means the start level. allLevels overrides it.
    std::optional<int> level;
    bool allLevels = false;
    ExportFormat format = ExportFormat::Png;
    bool memberLoadMode = false;
    bool beamNumbers = false;
    bool loadType = true;
    // The intensities to show; nothing means every one.
    std::optional<std::vector<float>> intensities;
    int width = 1600;
    int height = 900;
};

// Reads the arguments that follow "export". Bad or missing arguments throw
// std::invalid_argument with a message for the user.
ExportOptions parseExportOptions(const std::vector<std::string>& arguments);

// The usage lines of the export command, for --help.
const char* exportUsage();

}  // namespace fp

// The options of "frameplan export": what to draw, how, and where to write it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace fp {

enum class ExportFormat { Png, Svg, Pdf, Dxf };

struct ExportOptions {
    std::string listing;
    std::string output;
    // A level index, or a level's height in metres; neither means the start level. allLevels
    // overrides both.
    std::optional<int> level;
    std::optional<float> levelHeight;
    bool allLevels = false;
    ExportFormat format = ExportFormat::Png;
    bool memberLoadMode = false;
    bool beamNumbers = false;
    // Each beam's member loads, in member-load mode.
    bool memberLoads = false;
    bool loadType = true;
    // The intensities to show; nothing means every one.
    std::optional<std::vector<float>> intensities;
    int width = 1600;
    int height = 900;
    // The title block and legend on PNG and SVG files too; PDF pages always have them.
    bool titleBlock = false;
};

// The export command's options as they are written, before they are checked.
struct ExportArguments {
    std::string listing;
    std::string output;
    std::string level;
    std::string levelHeight;
    std::string format;
    std::string mode = "floor";
    bool beamNumbers = false;
    bool memberLoads = false;
    bool noLoadType = false;
    std::string intensities;
    std::string size;
    bool titleBlock = false;
};

// Declares the export command's arguments on `command`, to be filled into `arguments`.
void addExportArguments(CLI::App& command, ExportArguments& arguments);

// Checks the arguments and turns them into options. Bad values throw std::invalid_argument with
// a message for the user.
ExportOptions exportOptionsFrom(const ExportArguments& arguments);

}  // namespace fp

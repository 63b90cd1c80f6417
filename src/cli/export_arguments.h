// The arguments of "frameplan export" as they are written, and the export request they make.
#pragma once

#include <string>

#include "output/export_request.h"

namespace CLI {
class App;
}

namespace fp {

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
    std::string cases;
    std::string size;
    bool titleBlock = false;
    bool noGrid = false;
    bool tributaryAreas = false;
    std::string columnLoads;
    bool designedLabels = false;
    std::string paper = "a4";
    std::string orientation = "landscape";
    std::string scale = "fit";
    std::string jobName;
    std::string jobNumber;
    std::string engineer;
    std::string checker;
    bool checks = false;
    bool takedown = false;
};

// Declares the export command's arguments on `command`, to be filled into `arguments`.
void addExportArguments(CLI::App& command, ExportArguments& arguments);

// Checks the arguments and turns them into a request. Bad values throw std::invalid_argument
// with a message for the user.
ExportRequest exportRequestFrom(const ExportArguments& arguments);

}  // namespace fp

// What an export writes: which levels, drawn how, in which format and size, and where. The
// command line makes one from its arguments and the window from its view; the renderer draws it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "output/page_setup.h"
#include "plan/plan_view.h"

namespace fp {

enum class ExportFormat { Png, Svg, Pdf, Dxf };

// The format a name gives, in any case ("png", "SVG"); nothing for any other name.
std::optional<ExportFormat> formatNamed(const std::string& name);

// Which levels: every one, one by its number or by its height, or else the start level.
struct LevelChoice {
    bool all = false;
    std::optional<int> number;
    std::optional<float> heightMetres;
};

// The most pixels a PNG or SVG is drawn with: 64 megapixels, 256 MB of image.
inline constexpr double kMostPixels = 64e6;

struct ExportRequest {
    std::string listing;
    std::string output;
    ExportFormat format = ExportFormat::Png;
    LevelChoice levels;
    // The mode, the annotations and the load cases shown. The level drawn comes from `levels`, the
    // intensities shown from `intensities`.
    PlanView view;
    // The floor-load intensities to show; nothing means every one of the listing.
    std::optional<std::vector<float>> intensities;
    // Of PNG and SVG files, in pixels.
    int width = 1600;
    int height = 900;
    // The title block and legend on PNG and SVG files too; PDF pages always have them.
    bool titleBlock = false;
    // The sheet and scale of PDF pages, and the job the title block names.
    PageSetup page;
    JobInformation job;
    // A PDF of every level ends with the Checks pages: what the check of the listing finds.
    bool checksPages = false;
    // A PDF of every level has the Takedown pages after its plans: each column stack's loads
    // level by level, and the equilibrium.
    bool takedownPages = false;
};

// The request's view at the start level, showing the intensities it names and the load cases its
// view names. An intensity or a load case the listing does not have throws ListingError naming
// those it has.
PlanView exportView(const ListingDocument& document, const ExportRequest& request);

// The levels the request asks for: all of them, the one given by number or by height, or the
// start level. A level the listing lacks throws ListingError naming the levels it has.
std::vector<int> levelsToExport(const ListingDocument& document, const ExportRequest& request);

// The levels `choice` names, refused as levelsToExport() refuses them.
std::vector<int> chosenLevels(const ListingDocument& document, const LevelChoice& choice);

// The heights of the document's levels in metres, lowest first: "0, 3.5, 7", as messages
// list them.
std::string heightsText(const ListingDocument& document);

// Where one level's file goes: the output itself, or, when every level is written to files of
// their own, the output numbered by the level ("plan.png" for level 4 is "plan-4.png").
std::string levelFilePath(const ExportRequest& request, int level);

}  // namespace fp

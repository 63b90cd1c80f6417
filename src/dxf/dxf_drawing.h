// A plan as CAD entities in metres, on named layers, and its DXF file (dxflib).
#pragma once

#include <string>
#include <vector>

namespace fp {

// The layers of a plan drawing.
inline constexpr const char* kBeamsLayer = "BEAMS";
inline constexpr const char* kBeamSerialsLayer = "BEAM-SERIALS";
inline constexpr const char* kMemberNumbersLayer = "MEMBER-NUMBERS";
inline constexpr const char* kMemberLoadsLayer = "MEMBER-LOADS";
inline constexpr const char* kPanelLabelsLayer = "PANEL-LABELS";
inline constexpr const char* kPanelHatchingLayer = "PANEL-HATCHING";
inline constexpr const char* kTitleLayer = "TITLE";
inline constexpr const char* kGridLayer = "GRID";
inline constexpr const char* kColumnsLayer = "COLUMNS";
inline constexpr const char* kTributaryAreasLayer = "TRIBUTARY-AREAS";
inline constexpr const char* kColumnLoadsLayer = "COLUMN-LOADS";

// Coordinates in metres, X to the right and Y up the drawing: a plan point (x, z) is at
// (x, -z), the plan seen from above as on the screen.
struct DxfLine {
    std::string layer;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

struct DxfCircle {
    std::string layer;
    double x = 0;
    double y = 0;
    double radius = 0;
};

// A TEXT entity: its baseline starts at (x, y), turned by `degrees` counter-clockwise; the
// height of its capitals in metres.
struct DxfText {
    std::string layer;
    double x = 0;
    double y = 0;
    double height = 0;
    double degrees = 0;
    std::string text;  // UTF-8
};

// A filled square (a SOLID entity) centred on (x, y), `half` its half side.
struct DxfSquare {
    std::string layer;
    double x = 0;
    double y = 0;
    double half = 0;
};

struct DxfDrawing {
    std::vector<DxfLine> lines;
    std::vector<DxfSquare> squares;
    std::vector<DxfCircle> circles;
    std::vector<DxfText> texts;
};

// The drawing as the text of an AutoCAD 2000 DXF file, in metres ($INSUNITS 6), with every plan
// layer in the layer table. dxflib writes only to files, so the text is written to a temporary
// file and read back; one that cannot be written throws FileWriteError.
std::string dxfText(const DxfDrawing& drawing);

}  // namespace fp

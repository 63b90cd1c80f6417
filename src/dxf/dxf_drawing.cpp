// DXF through dxflib's writer.
#include "dxf/dxf_drawing.h"

#include <dl_dxf.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <numbers>
#include <sstream>
#include <string_view>
#include <vector>

#include "files/file_names.h"
#include "files/pending_file.h"

namespace fp {
namespace {

struct LayerStyle {
    const char* name;
    int colour;  // AutoCAD colour index
    const char* linetype;
};

constexpr const char* kContinuous = "CONTINUOUS";
constexpr const char* kDashDot = "DASHDOT";

constexpr std::array<LayerStyle, 11> kLayers = {{{kBeamsLayer, 7, kContinuous},
                                                 {kBeamSerialsLayer, 1, kContinuous},
                                                 {kMemberNumbersLayer, 3, kContinuous},
                                                 {kMemberLoadsLayer, 5, kContinuous},
                                                 {kPanelLabelsLayer, 4, kContinuous},
                                                 {kPanelHatchingLayer, 8, kContinuous},
                                                 {kTitleLayer, 7, kContinuous},
                                                 {kGridLayer, 8, kDashDot},
                                                 {kColumnsLayer, 7, kContinuous},
                                                 {kTributaryAreasLayer, 9, kContinuous},
                                                 {kColumnLoadsLayer, 6, kContinuous}}};
constexpr int kByLayer = 256;
constexpr int kMetres = 6;  // $INSUNITS

DL_Attributes onLayer(const std::string& layer) {
    return DL_Attributes(layer, kByLayer, -1, "BYLAYER", 1.0);
}

// DXF 2000 text is in the drawing's code page; every character beyond ASCII is written as its
// \U+XXXX escape, which CAD programs read whatever the code page. A group's value is one line
// of the file: a line break in it would put the rest of the file out of step, so every control
// character is written as the replacement character.
std::string escapedText(const std::string& utf8) {
    std::string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x20 || lead == 0x7F) {
            text += "\\U+FFFD";
            ++i;
            continue;
        }
        if (lead < 0x80) {
            text += utf8[i++];
            continue;
        }
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t code = lead & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < utf8.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += static_cast<std::size_t>(length);
        char escape[16];
        std::snprintf(escape, sizeof escape, "\\U+%04X", static_cast<unsigned>(code));
        text += escape;
    }
    return text;
}

void writeTables(DL_Dxf& dxf, DL_WriterA& out) {
    out.sectionTables();
    dxf.writeVPort(out);
    out.tableLinetypes(4);
    dxf.writeLinetype(out, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(out, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(out, DL_LinetypeData(kContinuous, "Solid line", 0, 0, 0.0));
    // In metres: a 0.5 m dash, a gap, a dot, a gap; grid lines run tens of metres.
    std::array<double, 4> dashDot = {0.5, -0.1, 0.0, -0.1};
    dxf.writeLinetype(
        out, DL_LinetypeData(kDashDot, "Dash dot __ . __ . __", 0, 4, 0.7, dashDot.data()));
    out.tableEnd();
    out.tableLayers(static_cast<int>(kLayers.size()) + 1);
    dxf.writeLayer(out, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
    for (const LayerStyle& layer : kLayers) {
        dxf.writeLayer(out, DL_LayerData(layer.name, 0),
                       DL_Attributes("", layer.colour, 25, layer.linetype, 1.0));
    }
    out.tableEnd();
    out.tableStyle(1);
    dxf.writeStyle(out, DL_StyleData("standard", 0, 0.0, 1.0, 0.0, 0, 0.25, "txt", ""));
    out.tableEnd();
    dxf.writeView(out);
    dxf.writeUcs(out);
    out.tableAppid(1);
    dxf.writeAppid(out, "ACAD");
    out.tableEnd();
    dxf.writeDimStyle(out, 0.25, 0.125, 0.0625, 0.0625, 0.25);
    dxf.writeBlockRecord(out);
    out.tableEnd();
    out.sectionEnd();
}

void writeBlocks(DL_Dxf& dxf, DL_WriterA& out) {
    out.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(out, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(out, name);
    }
    out.sectionEnd();
}

void writeEntities(DL_Dxf& dxf, DL_WriterA& out, const DxfDrawing& drawing) {
    out.sectionEntities();
    for (const DxfLine& line : drawing.lines) {
        dxf.writeLine(out, DL_LineData(line.x1, line.y1, 0, line.x2, line.y2, 0),
                      onLayer(line.layer));
    }
    for (const DxfSquare& square : drawing.squares) {
        // A SOLID's third and fourth corners are crossed over: they run the same way as the
        // first two.
        const double h = square.half;
        dxf.writeSolid(out,
                       DL_SolidData(square.x - h, square.y - h, 0, square.x + h, square.y - h, 0,
                                    square.x - h, square.y + h, 0, square.x + h, square.y + h, 0),
                       onLayer(square.layer));
    }
    for (const DxfCircle& circle : drawing.circles) {
        dxf.writeCircle(out, DL_CircleData(circle.x, circle.y, 0, circle.radius),
                        onLayer(circle.layer));
    }
    for (const DxfText& text : drawing.texts) {
        // dxflib takes the angle in radians; left-aligned on the baseline, so the insertion
        // point is the only one that counts.
        const double radians = text.degrees * std::numbers::pi / 180;
        dxf.writeText(out,
                      DL_TextData(text.x, text.y, 0, text.x, text.y, 0, text.height, 1.0, 0, 0, 0,
                                  escapedText(text.text), "standard", radians),
                      onLayer(text.layer));
    }
    out.sectionEnd();
}

// One group of a DXF file: its code line and its value line, as written.
struct Group {
    std::string code;
    std::string value;

    bool is(std::string_view wantedCode, std::string_view wantedValue) const {
        return trimmedField(code) == wantedCode && trimmedField(value) == wantedValue;
    }
    static std::string_view trimmedField(std::string_view text) {
        const auto first = text.find_first_not_of(" \r");
        const auto last = text.find_last_not_of(" \r");
        return first == std::string_view::npos ? std::string_view()
                                               : text.substr(first, last - first + 1);
    }
};

std::vector<Group> groupsOf(const std::string& text) {
    std::vector<Group> groups;
    std::istringstream in(text);
    for (std::string code, value; std::getline(in, code) && std::getline(in, value);) {
        groups.push_back({code, value});
    }
    return groups;
}

// dxflib writes the objects (the dictionaries, layouts and styles AutoCAD 2000 needs) without
// their owners, which CAD programs then have to repair. Each object gets the handle of the
// dictionary that lists it as its owner, and the root dictionary the owner 0.
std::string withObjectOwners(const std::string& text) {
    std::vector<Group> groups = groupsOf(text);
    std::size_t begin = 0;
    while (begin + 1 < groups.size() &&
           !(groups[begin].is("0", "SECTION") && groups[begin + 1].is("2", "OBJECTS"))) {
        ++begin;
    }
    if (begin + 1 >= groups.size()) {
        return text;
    }
    std::size_t end = begin + 2;
    while (end < groups.size() && !groups[end].is("0", "ENDSEC")) {
        ++end;
    }
    // Who lists whom: every entry of a dictionary names an object it owns.
    std::map<std::string, std::string, std::less<>> owners;
    std::string type;
    std::string handle;
    for (std::size_t i = begin + 2; i < end; ++i) {
        const std::string_view code = Group::trimmedField(groups[i].code);
        const std::string_view value = Group::trimmedField(groups[i].value);
        if (code == "0") {
            type = value;
            handle.clear();
        } else if (code == "5") {
            handle = value;
        } else if ((code == "350" || code == "360") &&
                   type.find("DICTIONARY") != std::string::npos) {
            owners.emplace(std::string(value), handle);
        }
    }
    std::string rewritten;
    const auto add = [&rewritten](const Group& group) {
        rewritten.append(group.code).append("\n").append(group.value).append("\n");
    };
    bool first = true;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        add(groups[i]);
        const bool objectHandle = i > begin + 1 && i < end &&
                                  Group::trimmedField(groups[i].code) == "5" &&
                                  Group::trimmedField(groups[i - 1].code) == "0";
        if (!objectHandle) {
            continue;
        }
        const auto owner = owners.find(Group::trimmedField(groups[i].value));
        if (owner != owners.end() || first) {
            add({"330", owner != owners.end() ? owner->second : "0"});
        }
        first = false;
    }
    return rewritten;
}

bool endsWithEof(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    constexpr std::streamoff kTail = 8;
    if (!in || in.tellg() < kTail) {
        return false;
    }
    in.seekg(-kTail, std::ios::end);
    std::string tail(kTail, '\0');
    in.read(tail.data(), kTail);
    return in && tail.find("EOF") != std::string::npos;
}

void writeDxfFile(const DxfDrawing& drawing, const std::string& path,
                  const std::string& shownPath) {
    DL_Dxf dxf;
    const std::unique_ptr<DL_WriterA> out(dxf.out(path.c_str(), DL_Codes::AC1015));
    if (!out || out->openFailed()) {
        throw cannotWrite(shownPath, "the file could not be opened");
    }
    dxf.writeHeader(*out);
    out->dxfString(9, "$INSUNITS");
    out->dxfInt(70, kMetres);
    out->sectionEnd();
    writeTables(dxf, *out);
    writeBlocks(dxf, *out);
    writeEntities(dxf, *out, drawing);
    dxf.writeObjects(*out);
    dxf.writeObjectsEnd(*out);
    out->dxfEOF();
    out->close();
    // dxflib does not report a failed write (a full disk), so the file is checked for its end.
    if (!endsWithEof(path)) {
        throw cannotWrite(shownPath, "the file could not be written whole");
    }
}

// A name in the temporary folder that no other writer picks.
std::filesystem::path temporaryDxfPath() {
    return std::filesystem::temp_directory_path() / ("frameplan-" + uniqueFileTag() + ".dxf");
}

// Removed however the reading ends.
struct TemporaryFile {
    TemporaryFile() : path(temporaryDxfPath()) {}
    ~TemporaryFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    std::filesystem::path path;
};

}  // namespace

std::string dxfText(const DxfDrawing& drawing) {
    const TemporaryFile file;
    writeDxfFile(drawing, file.path.string(), file.path.string());
    std::ifstream in(file.path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return withObjectOwners(text.str());
}

}  // namespace fp

// DXF plans read back with dxflib's reader: the layers, the beams in metres at their true
// coordinates (Y = -Z), and text entities with heights in metres.
#include "dxf/dxf_plan.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "dxf/dxf_surface.h"
#include "plan/column_loads.h"
#include "reader/listing_fixture.h"

namespace fp {
namespace {

namespace fs = std::filesystem;

struct ReadText {
    std::string layer;
    std::string text;
    double x;
    double y;
    double height;
    double radians;
};

// Everything the tests look at, as dxflib reads it.
class ReadBack : public DL_CreationAdapter {
  public:
    void addLayer(const DL_LayerData& data) override { layers.insert(data.name); }
    void addLine(const DL_LineData& data) override {
        lines.push_back({layer(), data.x1, data.y1, data.x2, data.y2});
    }
    void addCircle(const DL_CircleData&) override { circles.push_back(layer()); }
    void addSolid(const DL_SolidData&) override { solids.push_back(layer()); }
    void addText(const DL_TextData& data) override {
        texts.push_back({layer(), data.text, data.ipx, data.ipy, data.height, data.angle});
    }

    std::vector<ReadText> textsOn(const std::string& on) const {
        std::vector<ReadText> found;
        std::copy_if(texts.begin(), texts.end(), std::back_inserter(found),
                     [&on](const ReadText& text) { return text.layer == on; });
        return found;
    }
    bool hasText(const std::string& on, const std::string& text) const {
        const auto all = textsOn(on);
        return std::any_of(all.begin(), all.end(),
                           [&text](const ReadText& read) { return read.text == text; });
    }

    std::set<std::string> layers;
    std::vector<DxfLine> lines;
    std::vector<std::string> circles;
    std::vector<std::string> solids;
    std::vector<ReadText> texts;

  private:
    std::string layer() { return getAttributes().getLayer(); }
};

ReadBack readDxf(const std::string& text) {
    ReadBack read;
    DL_Dxf dxf;
    std::istringstream in(text);
    EXPECT_TRUE(dxf.in(in, &read));
    return read;
}

class SamplePlan : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        testing::RecordingSink sink;
        // The tests run in the project folder.
        sample = new ListingDocument(openListing("samples/office-block.anl", sink));
    }
    static void TearDownTestSuite() { delete sample; }

    // The start level, 3 (7.8 m), written and read back.
    ReadBack written(const PlanView& view) { return readDxf(dxfText(dxfPlan(*sample, view))); }

    PlanView floorView() const { return startUpView(*sample); }

    static ListingDocument* sample;
};

ListingDocument* SamplePlan::sample = nullptr;

TEST_F(SamplePlan, EveryPlanLayerIsInTheFile) {
    const ReadBack read = written(floorView());
    for (const char* layer : {"BEAMS", "BEAM-SERIALS", "MEMBER-NUMBERS", "MEMBER-LOADS",
                              "PANEL-LABELS", "TITLE", "GRID", "COLUMNS"}) {
        EXPECT_EQ(read.layers.count(layer), 1u) << layer;
    }
}

// The panels' split lines on a layer of their own, only where the view draws them.
TEST_F(SamplePlan, TributaryAreasAreLinesOnTheirOwnLayer) {
    const auto tributaryLines = [this](bool on) {
        PlanView view = floorView();
        view.tributaryAreas = on;
        const ReadBack read = written(view);
        return std::count_if(read.lines.begin(), read.lines.end(),
                             [](const DxfLine& line) { return line.layer == "TRIBUTARY-AREAS"; });
    };
    EXPECT_EQ(tributaryLines(false), 0);
    EXPECT_GT(tributaryLines(true), 0);
}

// The columns' loads as texts on a layer of their own, only where the view writes them.
TEST_F(SamplePlan, ColumnLoadsAreTextsOnTheirOwnLayer) {
    const auto columnLoadTexts = [this](std::optional<ColumnLoadChoice> choice) {
        PlanView view = floorView();
        view.columnLoads = choice;
        const ReadBack read = written(view);
        return std::count_if(read.texts.begin(), read.texts.end(), [](const auto& text) {
            return text.layer == "COLUMN-LOADS" && text.text.ends_with(" kN");
        });
    };
    EXPECT_EQ(columnLoadTexts(std::nullopt), 0);
    const std::size_t columns =
        columnLoadMarks(documentTakedown(*sample), floorView().level, {}).size();
    ASSERT_GT(columns, 0u);
    EXPECT_EQ(columnLoadTexts(ColumnLoadChoice{false, "1"}), static_cast<long>(columns));
}

// Beam 201 runs 6 m along X from the origin, beam 220 5 m along Z: down the drawing.
TEST_F(SamplePlan, BeamsAreLinesInMetresAtTheirTrueCoordinates) {
    const ReadBack read = written(floorView());
    const auto has = [&read](double x1, double y1, double x2, double y2) {
        return std::any_of(read.lines.begin(), read.lines.end(), [&](const DxfLine& line) {
            return line.layer == "BEAMS" && std::abs(line.x1 - x1) < 1e-9 &&
                   std::abs(line.y1 - y1) < 1e-9 && std::abs(line.x2 - x2) < 1e-9 &&
                   std::abs(line.y2 - y2) < 1e-9;
        });
    };
    EXPECT_TRUE(has(0, 0, 6, 0));
    EXPECT_TRUE(has(0, 0, 0, -5));
    EXPECT_TRUE(has(18, -16, 18, -17.8));
    const auto on = [](const std::vector<std::string>& layers, const char* layer) {
        return std::count(layers.begin(), layers.end(), layer);
    };
    std::vector<std::string> lineLayers;
    for (const DxfLine& line : read.lines) {
        lineLayers.push_back(line.layer);
        if (line.layer == "BEAMS") {
            EXPECT_LE(std::max(line.x1, line.x2), 24 + 1e-9);
            EXPECT_GE(std::min(line.y1, line.y2), -17.8 - 1e-9);
        }
    }
    EXPECT_EQ(on(lineLayers, "BEAMS"), on(read.circles, "BEAMS"));
    // The grid's lines and bubbles, and the columns, on layers of their own.
    EXPECT_EQ(on(lineLayers, "BEAMS") + on(lineLayers, "GRID"), std::ssize(read.lines));
    EXPECT_EQ(on(read.circles, "GRID"), 2 * on(lineLayers, "GRID"));
    EXPECT_GT(on(read.solids, "COLUMNS"), 0);
    EXPECT_EQ(on(read.solids, "COLUMNS"), std::ssize(read.solids));
}

// What ezdxf, a CAD library, finds in the file: nothing to report and nothing to repair; metres
// as the drawing's unit; the grid's layer dash-dotted.
TEST_F(SamplePlan, ACadLibraryAuditsTheFileWithNothingToFix) {
    PlanView view = floorView();
    view.markPanelsWithoutLoad = true;
    const fs::path folder = fs::path(::testing::TempDir()) / "frameplan_dxf_audit";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const LoadMode mode : {LoadMode::Floor, LoadMode::Member}) {
        view.mode = mode;
        view.memberNumbers = true;
        view.memberLoadsOnBeams = true;
        const fs::path file = folder / "plan.dxf";
        std::ofstream(file, std::ios::binary) << dxfText(dxfPlan(*sample, view));
        const std::string command =
            "/usr/bin/python3 tests/dxf/audit_dxf.py '" + file.string() + "' 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string report;
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            report.append(buffer, n);
        }
        ASSERT_EQ(pclose(pipe), 0) << report;
        EXPECT_EQ(report.find("error"), std::string::npos) << report;
        EXPECT_EQ(report.find("fix"), std::string::npos) << report;
        EXPECT_NE(report.find("units 6\n"), std::string::npos) << report;
        EXPECT_NE(report.find("layer GRID DASHDOT\n"), std::string::npos) << report;
        EXPECT_NE(report.find("layer COLUMNS CONTINUOUS\n"), std::string::npos) << report;
    }
    fs::remove_all(folder);
}

TEST_F(SamplePlan, LabelsAreTextEntitiesWithHeightsInMetres) {
    const ReadBack read = written(floorView());
    EXPECT_TRUE(read.hasText("PANEL-LABELS", "4.5 (1)"));
    EXPECT_TRUE(read.hasText("PANEL-LABELS", "600 X 1100"));
    EXPECT_TRUE(read.hasText("BEAM-SERIALS", "1"));
    EXPECT_TRUE(read.hasText("TITLE", "Level 7.8 m"));
    EXPECT_TRUE(read.hasText("TITLE", "office-block.anl"));
    EXPECT_TRUE(read.textsOn("MEMBER-NUMBERS").empty());
    for (const ReadText& text : read.textsOn("PANEL-LABELS")) {
        EXPECT_DOUBLE_EQ(text.height, DxfSurface::kTextHeight);
        EXPECT_DOUBLE_EQ(text.radians, 0);
    }
    // Serials of +Z beams read upward.
    const auto serials = read.textsOn("BEAM-SERIALS");
    EXPECT_TRUE(std::any_of(serials.begin(), serials.end(), [](const ReadText& text) {
        return std::abs(text.radians - M_PI / 2) < 1e-9;
    }));
}

TEST_F(SamplePlan, MemberLoadModeWritesMemberNumbersAndLoadsOnTheirLayers) {
    PlanView view = floorView();
    view.mode = LoadMode::Member;
    view.memberNumbers = true;
    view.memberLoadsOnBeams = true;
    const ReadBack read = written(view);
    EXPECT_TRUE(read.hasText("MEMBER-NUMBERS", "B: 201"));
    EXPECT_TRUE(read.hasText("MEMBER-LOADS", "10 (1)"));
    EXPECT_TRUE(read.textsOn("PANEL-LABELS").empty());
}

// The cell's top-left is where the plan puts it; the baseline lies 1.25 heights below it in the
// text's own "down", which for text reading upward is +X.
TEST(DxfSurface, TextBaselinesFollowTheTurnOfTheFont) {
    DxfSurface surface(0.2);
    EXPECT_DOUBLE_EQ(surface.textHeight("8"), 30);
    EXPECT_DOUBLE_EQ(surface.textWidth("12.5"), 4 * 16);
    EXPECT_DOUBLE_EQ(surface.textWidth("m²"), 2 * 16);
    surface.startPart(PlanPart::PanelLabels);
    surface.drawText("flat", 100, 200);
    surface.selectFont(FontDescription{12, 900, "Arial"});
    surface.drawText("up", 100, 200);
    surface.restoreOwnFont();
    const auto& texts = surface.drawing().texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].layer, "PANEL-LABELS");
    EXPECT_DOUBLE_EQ(texts[0].x, 1);
    EXPECT_DOUBLE_EQ(texts[0].y, -2 - 0.25);
    EXPECT_DOUBLE_EQ(texts[1].degrees, 90);
    EXPECT_NEAR(texts[1].x, 1 + 0.25, 1e-12);
    EXPECT_NEAR(texts[1].y, -2, 1e-12);
}

TEST(DxfFile, CharactersBeyondAsciiAreWrittenAsUnicodeEscapes) {
    DxfDrawing drawing;
    drawing.texts.push_back({"TITLE", 0, 0, 0.25, 0, "Büro 3 m²"});
    const ReadBack read = readDxf(dxfText(drawing));
    ASSERT_EQ(read.texts.size(), 1u);
    EXPECT_EQ(read.texts[0].text, "B\\U+00FCro 3 m\\U+00B2");
}

}  // namespace
}  // namespace fp

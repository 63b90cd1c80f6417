// Writing plans to files: the view the options ask for, the levels, the formats, the failures.
#include "app/plan_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "model/run_error.h"

namespace fp {
namespace {

// Three levels; on each from the second up one 5 m by 4 m bay closed by four beams.
std::unique_ptr<ModelStore> threeLevels() {
    auto model = makeModelStore();
    const float xs[] = {0, 500};
    const float ys[] = {0, 350, 700};
    const float zs[] = {0, 400};
    for (int i = 0; i < 2; ++i) {
        model->GridX.set(i + 1, xs[i]);
        model->GridZ.set(i + 1, zs[i]);
    }
    for (int i = 0; i < 3; ++i) {
        model->GridY.set(i + 1, ys[i]);
    }
    model->GridX.setCount(2);
    model->GridY.setCount(3);
    model->GridZ.setCount(2);
    const int32_t lengths[] = {5000, 4000, 4000, 5000};
    for (int row = 1; row <= 4; ++row) {
        model->BeamDesignTable.at(row, 1) = row;
        model->BeamDesignTable.at(row, 2) = lengths[row - 1];
    }
    model->BeamDesignCount = 4;
    for (int level = 2; level <= 3; ++level) {
        for (int ix = 1; ix <= 2; ++ix) {
            for (int iz = 1; iz <= 2; ++iz) {
                model->NodeGrid.at(ix, level, iz) = static_cast<int16_t>(level * 10 + ix * 2 + iz);
            }
        }
        model->XBeamGrid.at(1, level, 1) = 1;
        model->ZBeamGrid.at(1, level, 1) = 2;
        model->ZBeamGrid.at(2, level, 1) = 3;
        model->XBeamGrid.at(1, level, 2) = 4;
    }
    model->FloorIntensityList.set(1, 2);
    model->FloorIntensityList.set(2, 4.5f);
    model->FloorIntensityList.setCount(2);
    return model;
}

ExportOptions optionsFor(const std::string& output, ExportFormat format) {
    ExportOptions options;
    options.listing = "test.anl";
    options.output = output;
    options.format = format;
    options.width = 320;
    options.height = 200;
    return options;
}

std::string runEndingMessage(ModelStore& model, const ExportOptions& options) {
    try {
        exportPlans(model, options, '.');
    } catch (const RunEndingError& error) {
        return error.what();
    }
    return "no failure";
}

int pdfPageCount(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(
        std::sregex_iterator(content.begin(), content.end(), page), std::sregex_iterator()));
}

TEST(ExportViewState, FollowsTheOptions) {
    auto model = threeLevels();
    ExportOptions options = optionsFor("p.png", ExportFormat::Png);
    const ViewState defaults = exportViewState(*model, options);
    EXPECT_FALSE(defaults.memberLoadMode);
    EXPECT_EQ(defaults.beamNumbers, kUnticked);
    EXPECT_EQ(defaults.loadType, kTicked);
    EXPECT_EQ(defaults.intensityBoxes[1], kTicked);
    EXPECT_EQ(defaults.intensityBoxes[2], kTicked);

    options.memberLoadMode = true;
    options.beamNumbers = true;
    options.loadType = false;
    options.intensities = std::vector<float>{4.5f};
    const ViewState chosen = exportViewState(*model, options);
    EXPECT_TRUE(chosen.memberLoadMode);
    EXPECT_EQ(chosen.beamNumbers, kTicked);
    EXPECT_EQ(chosen.loadType, kUnticked);
    EXPECT_EQ(chosen.intensityBoxes[1], kUnticked);
    EXPECT_EQ(chosen.intensityBoxes[2], kTicked);
}

TEST(ExportViewState, AnIntensityTheListingLacksIsNamedWithThoseItHas) {
    auto model = threeLevels();
    ExportOptions options = optionsFor("p.png", ExportFormat::Png);
    options.intensities = std::vector<float>{3};
    try {
        exportViewState(*model, options);
        FAIL() << "an unknown intensity must be refused";
    } catch (const RunEndingError& error) {
        EXPECT_NE(std::string(error.what()).find("3 is not a floor-load intensity"),
                  std::string::npos);
        EXPECT_NE(std::string(error.what()).find("2, 4.5"), std::string::npos);
    }
}

TEST(ExportPlans, WritesTheStartLevelAsAnImageOfTheGivenSize) {
    QTemporaryDir dir;
    auto model = threeLevels();
    const std::string path = dir.filePath("plan.png").toStdString();
    const auto written = exportPlans(*model, optionsFor(path, ExportFormat::Png), '.');
    ASSERT_EQ(written, std::vector<std::string>{path});
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(320, 200));
    // The beam along the top of the bay: a dark row across the middle of the image.
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        dark += qGray(image.pixel(image.width() / 2, y)) < 128 ? 1 : 0;
    }
    EXPECT_GE(dark, 2) << "the two X beams cross the image's middle column";
}

TEST(ExportPlans, AllLevelsAreOnePdfPageEachOrOneImageEach) {
    QTemporaryDir dir;
    auto model = threeLevels();
    ExportOptions pdf = optionsFor(dir.filePath("plans.pdf").toStdString(), ExportFormat::Pdf);
    pdf.allLevels = true;
    EXPECT_EQ(exportPlans(*model, pdf, '.').size(), 1u);
    EXPECT_EQ(pdfPageCount(pdf.output), 3);

    ExportOptions svg = optionsFor(dir.filePath("plan.svg").toStdString(), ExportFormat::Svg);
    svg.allLevels = true;
    const auto written = exportPlans(*model, svg, '.');
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0], dir.filePath("plan-1.svg").toStdString());
    EXPECT_EQ(written[2], dir.filePath("plan-3.svg").toStdString());
    for (const auto& path : written) {
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
    }
    std::ifstream third(written[2]);
    const std::string content((std::istreambuf_iterator<char>(third)),
                              std::istreambuf_iterator<char>());
    EXPECT_NE(content.find("<title>7 M</title>"), std::string::npos);
}

TEST(ExportPlans, MissingLevelsAndUnwritableFilesEndTheRun) {
    QTemporaryDir dir;
    auto model = threeLevels();
    ExportOptions options = optionsFor(dir.filePath("p.png").toStdString(), ExportFormat::Png);
    options.level = 4;
    EXPECT_NE(runEndingMessage(*model, options).find("no level 4"), std::string::npos);
    options.level = 0;
    EXPECT_NE(runEndingMessage(*model, options).find("levels are numbered 1 to 3"),
              std::string::npos);

    const std::string unwritable = dir.filePath("missing/folder/p.png").toStdString();
    for (const ExportFormat format : {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf}) {
        EXPECT_NE(runEndingMessage(*model, optionsFor(unwritable, format)).find("Cannot write"),
                  std::string::npos);
    }

    auto empty = makeModelStore();
    EXPECT_NE(
        runEndingMessage(*empty, optionsFor(dir.filePath("e.png").toStdString(), ExportFormat::Png))
            .find("has no joints"),
        std::string::npos);
}

}  // namespace
}  // namespace fp

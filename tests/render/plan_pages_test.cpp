// Writing plans to files: the levels, the formats, the failures.
#include "render/plan_pages.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/listing_error.h"
#include "support/document_builder.h"
#include "support/pdf_pages.h"

namespace fp {
namespace {

// Three levels, at 0, 3.5 and 7 m; on each from the second up one 5 m by 4 m bay closed by four
// designed beams. A floor load of 2 on the second level and one of 4.5 on the third.
ListingDocument threeLevels() {
    testing::DocumentBuilder builder;
    const int16_t heights[] = {0, 350, 700};
    const auto joint = [](int level, int ix, int iz) {
        return static_cast<int16_t>(level * 100 + ix * 10 + iz);
    };
    for (int level = 1; level <= 3; ++level) {
        for (int ix = 1; ix <= 2; ++ix) {
            for (int iz = 1; iz <= 2; ++iz) {
                builder.joint(joint(level, ix, iz), static_cast<int16_t>(500 * (ix - 1)),
                              heights[level - 1], static_cast<int16_t>(400 * (iz - 1)));
            }
        }
    }
    int32_t member = 0;
    for (int level = 2; level <= 3; ++level) {
        const std::pair<int16_t, int16_t> ends[] = {{joint(level, 1, 1), joint(level, 2, 1)},
                                                    {joint(level, 1, 1), joint(level, 1, 2)},
                                                    {joint(level, 2, 1), joint(level, 2, 2)},
                                                    {joint(level, 1, 2), joint(level, 2, 2)}};
        const int32_t lengths[] = {5000, 4000, 4000, 5000};
        for (int i = 0; i < 4; ++i) {
            builder.member(++member, ends[i].first, ends[i].second);
            builder.designRow(member, lengths[i]);
        }
    }
    builder.floorLoad("1", 2, 3.4f, 3.6f, -0.01f, 5.01f, -0.01f, 4.01f);
    builder.floorLoad("1", 4.5f, 6.9f, 7.1f, -0.01f, 5.01f, -0.01f, 4.01f);
    return builder.build();
}

ExportRequest requestFor(const std::string& output, ExportFormat format) {
    ExportRequest options;
    options.listing = "test.anl";
    options.output = output;
    options.format = format;
    options.width = 320;
    options.height = 200;
    return options;
}

std::string failureOf(const ListingDocument& document, const ExportRequest& options) {
    try {
        exportPlans(document, options);
    } catch (const ListingError& error) {
        return error.what();
    } catch (const FileWriteError& error) {
        return error.what();
    }
    return "no failure";
}

TEST(ExportPlans, WritesTheStartLevelAsAnImageOfTheGivenSize) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("plan.png").toStdString();
    const auto written = exportPlans(threeLevels(), requestFor(path, ExportFormat::Png));
    ASSERT_EQ(written, std::vector<std::string>{path});
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(320, 200));
    // The beams along both X edges of the bay cross the image's middle column.
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        dark += qGray(image.pixel(image.width() / 2, y)) < 128 ? 1 : 0;
    }
    EXPECT_GE(dark, 2) << "the two X beams cross the image's middle column";
}

TEST(ExportPlans, AllLevelsAreOnePdfPageEachOrOneImageEach) {
    QTemporaryDir dir;
    const ListingDocument document = threeLevels();
    ExportRequest pdf = requestFor(dir.filePath("plans.pdf").toStdString(), ExportFormat::Pdf);
    pdf.levels.all = true;
    EXPECT_EQ(exportPlans(document, pdf), std::vector<std::string>{pdf.output});
    EXPECT_EQ(testing::pdfPageCount(pdf.output), 3);

    ExportRequest svg = requestFor(dir.filePath("plan.svg").toStdString(), ExportFormat::Svg);
    svg.levels.all = true;
    const auto written = exportPlans(document, svg);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0], dir.filePath("plan-1.svg").toStdString());
    EXPECT_EQ(written[2], dir.filePath("plan-3.svg").toStdString());
    for (const auto& path : written) {
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
    }
    std::ifstream third(written[2]);
    const std::string content((std::istreambuf_iterator<char>(third)),
                              std::istreambuf_iterator<char>());
    EXPECT_NE(content.find("<title>Level 7 m</title>"), std::string::npos);
}

// DXF files go one to a level, like images; one that cannot be written is an FileWriteError.
TEST(ExportPlans, DxfIsOneFileForEachLevel) {
    QTemporaryDir dir;
    ExportRequest dxf = requestFor(dir.filePath("plan.dxf").toStdString(), ExportFormat::Dxf);
    dxf.levels.all = true;
    const auto written = exportPlans(threeLevels(), dxf);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[1], dir.filePath("plan-2.dxf").toStdString());
    std::ifstream second(written[1]);
    const std::string content((std::istreambuf_iterator<char>(second)),
                              std::istreambuf_iterator<char>());
    EXPECT_NE(content.find("BEAMS"), std::string::npos);
    EXPECT_NE(content.find("Level 3.5 m"), std::string::npos);
    dxf.output = dir.filePath("missing/plan.dxf").toStdString();
    EXPECT_THROW(exportPlans(threeLevels(), dxf), FileWriteError);
}

TEST(ExportPlans, MissingLevelsAndUnwritableFilesEndTheRun) {
    QTemporaryDir dir;
    const ListingDocument document = threeLevels();
    ExportRequest options = requestFor(dir.filePath("p.png").toStdString(), ExportFormat::Png);
    options.levels.number = 4;
    EXPECT_NE(failureOf(document, options).find("no level 4"), std::string::npos);
    options.levels.number = 0;
    EXPECT_NE(failureOf(document, options).find("levels are numbered 1 to 3"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(options.output));

    const std::string unwritable = dir.filePath("missing/folder/p.png").toStdString();
    for (const ExportFormat format : {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf}) {
        EXPECT_NE(failureOf(document, requestFor(unwritable, format)).find("Cannot write"),
                  std::string::npos);
    }

    const ListingDocument empty = testing::DocumentBuilder().build();
    EXPECT_NE(failureOf(empty, requestFor(dir.filePath("e.png").toStdString(), ExportFormat::Png))
                  .find("has no joints"),
              std::string::npos);
}

}  // namespace
}  // namespace fp

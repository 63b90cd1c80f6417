// What the reader of an SVG export sees: every text read back from the file, measured in its own
// font, and each panel's label found inside that panel. The panels are placed on the image through
// the grid lines the file draws, not through the drawing's own frame.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "export_run.h"
#include "structure/grid_names.h"
#include "support/generated_listings.h"
#include "support/panel_reading.h"

namespace fp {
namespace {

struct SvgText {
    std::string text;
    double left, top, right, bottom;
};

struct SvgPlan {
    std::vector<SvgText> texts;
    // Where the dash-dotted grid lines run, in pixels, left to right and top to bottom.
    std::vector<double> xLines;
    std::vector<double> zLines;
};

double attribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(" " + name + "=\"");
    return at == std::string::npos ? 0 : std::stod(tag.substr(at + name.size() + 3));
}

std::string textAttribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(" " + name + "=\"");
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t from = at + name.size() + 3;
    return tag.substr(from, tag.find('"', from) - from);
}

void addOnce(std::vector<double>& values, double value) {
    if (std::none_of(values.begin(), values.end(),
                     [&](double known) { return std::abs(known - value) < 0.01; })) {
        values.push_back(value);
    }
}

// Reads the upright texts and the grid lines of a file QSvgGenerator wrote: every state is a
// <g> of its own, its transform a matrix.
SvgPlan readSvg(const std::string& path) {
    std::ifstream in(path);
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string svg = whole.str();
    SvgPlan plan;
    QImage device(1, 1, QImage::Format_RGB32);
    bool dashed = false;
    double shiftX = 0, shiftZ = 0;
    bool upright = true;
    static const std::regex element(R"(<(g|polyline|text)\s([^>]*)>([^<]*))");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element);
         it != std::sregex_iterator(); ++it) {
        const std::string kind = (*it)[1];
        const std::string tag = " " + (*it)[2].str();
        if (kind == "g") {
            dashed = tag.find("stroke-dasharray") != std::string::npos;
            const std::string matrix = textAttribute(tag, "transform");
            double m[6] = {1, 0, 0, 1, 0, 0};
            if (matrix.rfind("matrix(", 0) == 0) {
                std::sscanf(matrix.c_str(), "matrix(%lf,%lf,%lf,%lf,%lf,%lf)", &m[0], &m[1], &m[2],
                            &m[3], &m[4], &m[5]);
            }
            upright = m[0] == 1 && m[1] == 0 && m[2] == 0 && m[3] == 1;
            shiftX = m[4];
            shiftZ = m[5];
        } else if (kind == "polyline" && dashed) {
            double x1, z1, x2, z2;
            if (std::sscanf(textAttribute(tag, "points").c_str(), "%lf,%lf %lf,%lf", &x1, &z1, &x2,
                            &z2) == 4) {
                if (std::abs(x1 - x2) < 0.01) {
                    addOnce(plan.xLines, x1 + shiftX);
                } else if (std::abs(z1 - z2) < 0.01) {
                    addOnce(plan.zLines, z1 + shiftZ);
                }
            }
        } else if (kind == "text" && upright) {
            QFont font(QString::fromStdString(textAttribute(tag, "font-family")));
            // The file's sizes are pixels, the device's 96 to the inch.
            font.setPointSizeF(attribute(tag, "font-size") * 72 / 96);
            const QFontMetricsF metrics(font, &device);
            std::string text = (*it)[3];
            text.erase(0, text.find_first_not_of(" \n"));
            const double x = attribute(tag, "x") + shiftX;
            const double baseline = attribute(tag, "y") + shiftZ;
            plan.texts.push_back({text, x, baseline - metrics.ascent(),
                                  x + metrics.horizontalAdvance(QString::fromStdString(text)),
                                  baseline + metrics.descent()});
        }
    }
    std::sort(plan.xLines.begin(), plan.xLines.end());
    std::sort(plan.zLines.begin(), plan.zLines.end());
    return plan;
}

// From hundredths of a metre along the grid's lines to pixels along the file's.
double toPixels(double at, const std::vector<float>& lines, const std::vector<double>& pixels) {
    if (lines.size() < 2) {
        return pixels.front();
    }
    return pixels.front() +
           (at - lines.front()) * (pixels.back() - pixels.front()) / (lines.back() - lines.front());
}

// A hair of a pixel, and the rounding of the file's numbers.
constexpr double kHair = 0.05;

bool isSerial(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), ::isdigit);
}

struct NoMessages : MessageSink {
    void show(const ListingMessage&) override {}
};

// Exports every level of the listing to SVG at each size and reads each panel's label back; from
// `spansFrom` pixels wide, every panel must show at least its spans.
void checkListing(const std::string& listing, const std::vector<std::pair<int, int>>& sizes,
                  int spansFrom) {
    NoMessages messages;
    const ListingDocument document = openListing(listing, messages);
    const PlanView view = startUpView(document, '.');
    QTemporaryDir dir;
    for (int level = 1; level <= document.levelCount(); ++level) {
        const LevelModel& model = document.level(level);
        if (model.panelsError || model.panels.empty()) {
            continue;
        }
        const GridLineSet lines = levelGridLines(document.grid, level);
        for (const auto& [width, height] : sizes) {
            const std::string where = listing + " level " + std::to_string(level) + " at " +
                                      std::to_string(width) + "x" + std::to_string(height);
            const std::string path = dir.filePath("plan.svg").toStdString();
            const auto outcome = testing::exportCommand(
                {listing, "-o", path, "--level", std::to_string(level), "--size",
                 std::to_string(width) + "x" + std::to_string(height)});
            ASSERT_EQ(outcome.status, 0) << where << ": " << outcome.err;
            const SvgPlan plan = readSvg(path);
            ASSERT_EQ(plan.xLines.size(), lines.x.size()) << where;
            ASSERT_EQ(plan.zLines.size(), lines.z.size()) << where;
            std::vector<std::vector<std::string>> found(model.panels.size());
            std::vector<std::string> key;
            bool noteDrawn = false;
            for (const SvgText& text : plan.texts) {
                EXPECT_TRUE(text.left >= -kHair && text.right <= width + kHair &&
                            text.top >= -kHair && text.bottom <= height + kHair)
                    << where << ": \"" << text.text << "\" off the image";
                if (isSerial(text.text)) {
                    continue;
                }
                bool placed = false;
                for (std::size_t i = 0; i < model.panels.size(); ++i) {
                    const PanelBounds& bounds = model.panels[i].bounds;
                    const double left = toPixels(bounds.x1, lines.x, plan.xLines);
                    const double right = toPixels(bounds.x2, lines.x, plan.xLines);
                    const double top = toPixels(bounds.z1, lines.z, plan.zLines);
                    const double bottom = toPixels(bounds.z2, lines.z, plan.zLines);
                    const bool inside = text.left >= left - kHair && text.right <= right + kHair &&
                                        text.top >= top - kHair && text.bottom <= bottom + kHair;
                    const bool meets = text.left < right - kHair && text.right > left + kHair &&
                                       text.top < bottom - kHair && text.bottom > top + kHair;
                    if (inside) {
                        found[i].push_back(text.text);
                        placed = true;
                        break;
                    }
                    EXPECT_FALSE(meets) << where << ": \"" << text.text << "\" across a panel";
                }
                if (!placed) {
                    noteDrawn = noteDrawn || text.text.find("not shown") != std::string::npos;
                    key.push_back(text.text);
                }
            }
            for (std::size_t i = 0; i < model.panels.size(); ++i) {
                EXPECT_EQ(test::judgePanel(model.panels[i], view, found[i], key, noteDrawn,
                                           width >= spansFrom),
                          "")
                    << where << ": panel " << model.panels[i].bounds.x1 << ","
                    << model.panels[i].bounds.z1 << " shows " << ::testing::PrintToString(found[i]);
            }
        }
    }
}

const std::vector<std::pair<int, int>> kSizes = {{600, 380}, {800, 560}, {1600, 900}};

TEST(SvgLabels, EveryPanelOfTheSampleShowsItsOwnLabel) {
    checkListing("samples/office-block.anl", kSizes, 600);
}

#ifdef GEN_LISTING_PROGRAM
TEST(SvgLabels, EveryPanelOfADenseGeneratedLevelShowsItsOwnLabel) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("dense.anl").toStdString();
    ASSERT_TRUE(
        testing::writeGeneratedListing(GEN_LISTING_PROGRAM, testing::kDenseLevelArguments, path));
    checkListing(path, kSizes, 800);
}
#endif

}  // namespace
}  // namespace fp

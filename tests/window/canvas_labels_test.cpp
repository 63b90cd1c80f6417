// What the reader of the window sees: the texts the plan canvas paints, read as it paints them,
// with a dock open in a window of 960 × 640; each panel's label in its own panel, no text over
// another, under the legend or off the image. The panels are placed through the grid bubbles the
// canvas paints. The suite runs these a second time on a screen at a scale factor of 2.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "structure/grid_names.h"
#include "support/drawn_texts.h"
#include "support/generated_listings.h"
#include "support/panel_reading.h"
#include "window/properties_dock.h"

namespace fp::testing {
namespace {

using test::DrawnText;

// A hair of a pixel, for texts set flush with an edge.
constexpr double kHair = 0.05;

// Shows `level` of the listing at `path` in a window of 960 × 640 with the Properties dock open,
// and checks the texts of the plan's last drawing; every panel must show at least its spans
// where the plan's image is `spansFrom` pixels wide or wider.
void checkCanvas(const std::string& path, int level, double spansFrom) {
    TestedMainWindow tested;
    PlanCanvas& canvas = tested.canvas();
    std::vector<DrawnText> painting;
    std::vector<DrawnText> painted;
    canvas.textPainted = [&painting](std::string_view text, const QRectF& box) {
        painting.push_back({std::string(text), box.left(), box.top(), box.right(), box.bottom()});
    };
    QObject::connect(&canvas, &PlanCanvas::planDrawn, [&] {
        painted = painting;
        painting.clear();
    });
    tested.action("propertiesAction").trigger();
    tested.window().resize(960, 640);
    ASSERT_TRUE(tested.open(path));
    tested.session().showLevel(level);
    QApplication::processEvents();
    if (const QByteArray factor = qgetenv("QT_SCALE_FACTOR"); !factor.isEmpty()) {
        EXPECT_EQ(canvas.devicePixelRatioF(), factor.toDouble());
    }

    const QSizeF size = canvas.image().deviceIndependentSize();
    const std::string where = path + " level " + std::to_string(level) + " on a canvas of " +
                              std::to_string(int(size.width())) + "x" +
                              std::to_string(int(size.height())) + " at a pixel ratio of " +
                              std::to_string(canvas.devicePixelRatioF());
    const QRect over = canvas.covered ? canvas.covered() : QRect();
    const QPoint origin = canvas.contentsRect().topLeft();
    const DrawnText legend{"", double(over.left() - origin.x()), double(over.top() - origin.y()),
                           double(over.right() + 1 - origin.x()),
                           double(over.bottom() + 1 - origin.y())};
    for (std::size_t i = 0; i < painted.size(); ++i) {
        const DrawnText& text = painted[i];
        EXPECT_TRUE(text.left >= -kHair && text.right <= size.width() + kHair &&
                    text.top >= -kHair && text.bottom <= size.height() + kHair)
            << where << ": \"" << text.text << "\" off the image";
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(test::covers(text, painted[j], kHair))
                << where << ": \"" << text.text << "\" over \"" << painted[j].text << "\"";
        }
        EXPECT_FALSE(!over.isEmpty() && test::covers(text, legend, kHair))
            << where << ": \"" << text.text << "\" under the legend";
    }

    const ListingDocument& document = *tested.session().document();
    const LevelModel& model = document.level(level);
    const std::vector<DrawnText> panels =
        test::panelsAlongBubbles(painted, model, levelGridLines(document.grid, level));
    ASSERT_EQ(panels.size(), model.panels.size()) << where << ": the grid bubbles not found";
    test::PanelTexts sorted = test::sortIntoPanels(painted, panels, kHair);
    EXPECT_EQ(sorted.across, std::vector<std::string>{}) << where << ": across a panel's edge";
    // The legend beside the plan lists the key lines the plan found no room for, and says how
    // many texts it could not show.
    sorted.outside.insert(sorted.outside.end(), canvas.keyLinesElsewhere().begin(),
                          canvas.keyLinesElsewhere().end());
    sorted.noteDrawn = sorted.noteDrawn || canvas.textsNotShown() > 0;
    int home = 0;
    int callouts = 0;
    for (std::size_t p = 0; p < model.panels.size(); ++p) {
        const std::string fault = test::judgeSortedPanel(sorted, p, model.panels[p], tested.view(),
                                                         size.width() >= spansFrom);
        EXPECT_EQ(fault, "") << where << ": panel " << model.panels[p].bounds.x1 << ","
                             << model.panels[p].bounds.z1 << " shows "
                             << ::testing::PrintToString(sorted.found[p]);
        home += fault.empty() && !sorted.found[p].empty() ? 1 : 0;
        callouts +=
            std::any_of(sorted.found[p].begin(), sorted.found[p].end(), test::isCalloutNumber) ? 1
                                                                                               : 0;
    }
    std::printf("%s: %d of %zu panels labelled at home, %d callouts\n", where.c_str(), home,
                model.panels.size(), callouts);
}

TEST(CanvasLabels, EveryPanelOfTheSamplesLevel4_2ShowsItsOwnLabelWithADockOpen) {
    checkCanvas("samples/office-block.anl", 2, 600);
}

#ifdef GEN_LISTING_PROGRAM
TEST(CanvasLabels, EveryPanelOfADenseGeneratedLevelShowsItsOwnLabelWithADockOpen) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("dense.anl").toStdString();
    ASSERT_TRUE(testing::writeGeneratedListing(GEN_LISTING_PROGRAM, kDenseLevelArguments, path));
    checkCanvas(path, 2, 800);
}
#endif

}  // namespace
}  // namespace fp::testing

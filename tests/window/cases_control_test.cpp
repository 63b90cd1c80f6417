// The "Cases" control: its menu chooses the load cases whose loads the plan writes, its text and
// the legend say which, and a reload keeps the cases the listing still has.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolButton>
#include <fstream>
#include <set>
#include <utility>

#include "main_window_fixture.h"
#include "plan/legend.h"

namespace fp::testing {
namespace {

// The three-level listing, with a case LL of 1.5 kN/m² on the top level beside case 1's 4.5.
std::string twoCaseListing(bool withLiveLoad) {
    std::string text = threeLevelListing();
    return text.replace(text.find("   19. FINISH"), 13,
                        withLiveLoad ? "   19. LOAD 2 LOADTYPE LIVE TITLE LL\n   20. FLOOR LOAD\n"
                                       "   21. YRANGE 6.9 7.1 FLOAD -1.5 GY\n   22. FINISH"
                                     : "   19. FINISH");
}

TEST(CasesControl, TheCasesChosenAloneAreWrittenAndTheButtonAndLegendSaySo) {
    OpenWindow open(twoCaseListing(true));
    std::set<std::string> painting, loads;
    open.canvas().textPainted = [&](std::string_view text, const QRectF&) {
        if (text.find(" (") != std::string_view::npos) {
            painting.emplace(text);
        }
    };
    QObject::connect(&open.canvas(), &PlanCanvas::planDrawn,
                     [&] { loads = std::exchange(painting, {}); });
    // Every label in full where it is designed: each load one text.
    open.session().setOption(&PlanView::designedLabelPositions, true);
    const std::set<std::string> both{"4.5 (1)", "1.5 (2)"}, dead{"4.5 (1)"}, live{"1.5 (2)"};
    const struct {
        const char* entry;
        std::set<std::string> loads;
        const char* button;
        const char* legend;
    } steps[] = {
        {"", both, "All cases", "Load cases: 1 DL, 2 LL"},
        {"2 LL", dead, "Cases 1 of 2", "Load cases 1 of 2: 1 DL"},
        {"2 LL", both, "All cases", "Load cases: 1 DL, 2 LL"},
        {"1 DL", live, "Cases 2 of 2", "Load cases 2 of 2: 2 LL"},
        // Taking off the last case written writes every case again.
        {"2 LL", both, "All cases", "Load cases: 1 DL, 2 LL"},
        {"1 DL", live, "Cases 2 of 2", "Load cases 2 of 2: 2 LL"},
        {"All cases", both, "All cases", "Load cases: 1 DL, 2 LL"},
        {"1 DL", live, "Cases 2 of 2", "Load cases 2 of 2: 2 LL"},
    };
    QMenu& menu = *open.controls().casesButton->menu();
    for (const auto& step : steps) {
        menu.popup(open.controls().casesButton->mapToGlobal(QPoint()));
        for (QAction* entry : menu.actions()) {
            if (QString(entry->text()).remove(QLatin1Char('&')) == QLatin1String(step.entry)) {
                entry->trigger();
            }
        }
        menu.hide();
        QApplication::processEvents();
        EXPECT_EQ(loads, step.loads) << step.entry;
        EXPECT_EQ(open.controls().casesButton->text(), QLatin1String(step.button)) << step.entry;
        EXPECT_EQ(legendLines(*open.session().document(), open.view()).at(0), step.legend);
    }
    // Kept on reload while the listing has the case, every case once it has not.
    for (const bool withLiveLoad : {true, false}) {
        std::ofstream(open.listingPath()) << twoCaseListing(withLiveLoad);
        ASSERT_TRUE(open.reload());
        QApplication::processEvents();
        EXPECT_EQ(loads, withLiveLoad ? live : dead);
    }
}

}  // namespace
}  // namespace fp::testing

// The takedown in the window: the Column Loads control and its labels, the slab share and
// reactions in the pointer text over a beam, and a column's takedown in the Properties dock,
// each held equal to what `frameplan takedown --json` says of the same listing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <map>
#include <regex>
#include <set>

#include "main_window_fixture.h"
#include "plan/column_loads.h"
#include "support/frame_listing.h"
#include "takedown/takedown_rows.h"
#include "window/properties_dock.h"

namespace fp::testing {
namespace {

#ifdef FRAMEPLAN_PROGRAM

// A 6 x 4 m bay at 3, 6 and 9 m on a column under each corner; dead 5 and live 2 kN/m² on
// every floor, a dead member load on the top floor's beam along Z = 0, and combination 4.
std::string stackedBays() {
    FrameListing frame;
    long edgeBeam = 0;
    for (const double y : {3.0, 6.0, 9.0}) {
        edgeBeam = std::get<0>(frame.bay(y, 0, 0, 6, 4, true, y - 3));
    }
    for (const auto& [number, intensity] : {std::pair{"1", 5.0}, {"2", 2.0}}) {
        frame.text.loadCase(number, "LOAD");
        for (const double y : {3.0, 6.0, 9.0}) {
            frame.text.floorLoad(y - 0.1, y + 0.1, intensity);
        }
    }
    frame.text.memberLoad(std::to_string(edgeBeam), 3);
    frame.text.combination("4", "ULTIMATE", "1 1.5 2 1.5");
    return frame.text.text();
}

// By the stack's X and Z in metres, then its level's height, then "case 1" or "combination 4":
// its "added" or "below" kN, as `frameplan takedown --json` writes them.
using StackLoads =
    std::map<std::pair<double, double>, std::map<double, std::map<std::string, double>>>;

StackLoads commandLoads(const std::string& listing, const char* which) {
    QProcess program;
    program.start(QStringLiteral(FRAMEPLAN_PROGRAM),
                  {QStringLiteral("takedown"), QString::fromStdString(listing), "--json"});
    EXPECT_TRUE(program.waitForFinished(60000));
    const QJsonObject json = QJsonDocument::fromJson(program.readAllStandardOutput()).object();
    StackLoads loads;
    for (const QJsonValue& stack : json["stacks"].toArray()) {
        for (const QJsonValue& level : stack["levels"].toArray()) {
            for (const QJsonValue& load : level["loads"].toArray()) {
                const std::string choice =
                    load["case"].isString()
                        ? "case " + load["case"].toString().toStdString()
                        : "combination " + load["combination"].toString().toStdString();
                loads[{stack["x"].toDouble(), stack["z"].toDouble()}][level["height"].toDouble()]
                     [choice] = load[QLatin1String(which)].toDouble();
            }
        }
    }
    return loads;
}

class TakedownDisplay : public ::testing::Test {
  protected:
    TakedownDisplay()
        : open(stackedBays()),
          added(commandLoads(open.listingPath(), "added")),
          below(commandLoads(open.listingPath(), "below")) {}

    void showHeight(float metres) {
        open.session().showLevel(open.window().document()->levelAtMetres(metres));
    }

    OpenWindow open;
    StackLoads added;
    StackLoads below;
};

TEST_F(TakedownDisplay, TheControlBarsChoiceLabelsEachColumnWithItsLoadBelowTheLevel) {
    ControlBar& controls = open.controls();
    ASSERT_EQ(controls.columnLoadChoice->count(), 3);  // every case, then every combination
    const struct {
        int item;
        std::string choice;
        double height;
    } steps[] = {
        {0, "case 1", 6}, {2, "combination 4", 6}, {1, "case 2", 3}, {2, "combination 4", 0}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.choice + " at " + std::to_string(step.height));
        showHeight(static_cast<float>(step.height));
        controls.columnLoadChoice->setCurrentIndex(step.item);
        emit controls.columnLoadChoice->activated(step.item);
        if (!controls.columnLoadsBox->isChecked()) {
            QTest::mouseClick(controls.columnLoadsBox, Qt::LeftButton);
        }
        ASSERT_TRUE(open.view().columnLoads);
        const Takedown& takedown = documentTakedown(*open.window().document());
        const auto marks = columnLoadMarks(takedown, open.view().level,
                                           *loadChoiceOf(takedown.cases, *open.view().columnLoads));
        ASSERT_EQ(marks.size(), 4u);
        for (const ColumnLoadMark& mark : marks) {
            // On the lowest level, what goes into the base: the lowest column's load.
            const auto& levels = below.at({mark.at.x / 100, mark.at.z / 100});
            const auto& row = step.height == 0 ? levels.begin()->second : levels.at(step.height);
            EXPECT_EQ(columnLoadText(mark.kN), columnLoadText(row.at(step.choice)));
        }
    }
    QTest::mouseClick(controls.columnLoadsBox, Qt::LeftButton);
    EXPECT_FALSE(open.view().columnLoads);
}

TEST_F(TakedownDisplay, TheReactionsInTheBeamsPointerTextsAddUpToTheColumnsLoads) {
    showHeight(9);
    for (const std::string choice : {"case 1", "combination 4"}) {
        SCOPED_TRACE(choice);
        if (choice != "case 1") {
            open.session().setColumnLoads(ColumnLoadChoice{true, "4"});
        }
        const std::regex share(
            "slab share peak [0-9.]+ kN/m, total ([0-9.]+) kN; reactions ([0-9.]+) "
            "kN at [A-Z]/[0-9], ([0-9.]+) kN at [A-Z]/[0-9] \\(" +
            choice + "\\)");
        std::map<std::pair<double, double>, double> atCorners;
        double slab = 0;
        // The middle of each beam round the top floor, and its two ends.
        for (const auto& [x1, z1, x2, z2] :
             {std::tuple{0, 0, 6, 0}, {0, 4, 6, 4}, {0, 0, 0, 4}, {6, 0, 6, 4}}) {
            const std::string text = open.hover(QPointF((x1 + x2) * 50, (z1 + z2) * 50));
            std::smatch found;
            ASSERT_TRUE(std::regex_search(text, found, share)) << text;
            slab += std::stod(found[1]);
            atCorners[{x1, z1}] += std::stod(found[2]);
            atCorners[{x2, z2}] += std::stod(found[3]);
        }
        // The floor's load, whole: 6 x 4 m at 5 kN/m², or at 1.5 x (5 + 2).
        EXPECT_NEAR(slab, choice == "case 1" ? 120 : 252, 0.2);
        for (const auto& [at, reactions] : atCorners) {
            EXPECT_NEAR(reactions, added.at(at).at(9).at(choice), 0.1);
        }
    }
}

TEST_F(TakedownDisplay, AClickOnAColumnShowsItsTakedownDownToTheBaseInTheProperties) {
    auto& properties = open.child<PropertiesDock>("propertiesDock");
    properties.show();
    showHeight(9);
    QTest::mouseClick(&open.canvas(), Qt::LeftButton, {}, open.pixelOf(QPointF(600, 0)));
    ASSERT_EQ(open.session().selection().size(), 1u);
    EXPECT_EQ(open.session().selection()[0].kind, SelectedItem::Kind::Column);
    const QTableWidget& table = *properties.table;
    // Each level from the top down: the load added, its parts, then the load below.
    std::vector<double> heights;
    std::set<long> lines;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!table.item(row, 0)->text().isEmpty()) {
            heights.push_back(std::stod(table.item(row, 0)->text().toStdString()));
        }
        const bool isAdded = !table.item(row, 0)->text().isEmpty();
        const bool isBelow = table.item(row, 1)->text().startsWith("in column");
        for (int column = 3; column < table.columnCount() && (isAdded || isBelow); ++column) {
            const std::string choice =
                table.horizontalHeaderItem(column)->text().section(',', 0, 0).toStdString();
            const double kN = (isAdded ? added : below).at({6, 0}).at(heights.back()).at(choice);
            EXPECT_EQ(table.item(row, column)->text().toStdString(), kNText(kN)) << row;
        }
        if (!table.item(row, 2)->text().isEmpty()) {
            lines.insert(table.item(row, 2)->text().toLong());
        }
    }
    EXPECT_EQ(heights, (std::vector<double>{9, 6, 3}));
    EXPECT_TRUE(table.item(table.rowCount() - 1, 1)->text().contains("base"));
    // Each part names the listing line it came from: six floor loads and the member load.
    EXPECT_EQ(lines.size(), 7u);
}

#endif

}  // namespace
}  // namespace fp::testing

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
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <tuple>

#include "main_window_fixture.h"
#include "plan/column_loads.h"
#include "plan/level_drawing.h"
#include "support/frame_listing.h"
#include "support/recording_surface.h"
#include "takedown/takedown_rows.h"
#include "window/properties_dock.h"

namespace fp::testing {
namespace {

#ifdef FRAMEPLAN_PROGRAM

// A 6 x 4 m bay at 3, 6 and 9 m on a column under each corner; dead 5 and live 2 kN/m² on
// every floor, a dead member load on the top floor's beam along Z = 0, and combination 4 of
// 1.5 dead + 1.5 live.
std::string stackedBays() {
    FrameListing frame;
    long edgeBeam = 0;
    for (const double y : {3.0, 6.0, 9.0}) {
        edgeBeam = std::get<0>(frame.bay(y, 0, 0, 6, 4, true, y - 3));
    }
    frame.text.loadCase("1", "DEAD");
    for (const double y : {3.0, 6.0, 9.0}) {
        frame.text.floorLoad(y - 0.1, y + 0.1, 5);
    }
    frame.text.memberLoad(std::to_string(edgeBeam), 3);
    frame.text.loadCase("2", "LIVE");
    for (const double y : {3.0, 6.0, 9.0}) {
        frame.text.floorLoad(y - 0.1, y + 0.1, 2);
    }
    frame.text.combination("4", "ULTIMATE", "1 1.5 2 1.5");
    return frame.text.text();
}

// What `frameplan takedown --json` writes about the listing.
QJsonObject takedownJson(const std::string& listing) {
    QProcess program;
    program.start(
        QStringLiteral(FRAMEPLAN_PROGRAM),
        {QStringLiteral("takedown"), QString::fromStdString(listing), QStringLiteral("--json")});
    EXPECT_TRUE(program.waitForFinished(60000));
    return QJsonDocument::fromJson(program.readAllStandardOutput()).object();
}

// "case 1" or "combination 4": the name of a JSON load entry, as the window's tables write it.
std::string choiceOf(const QJsonObject& load) {
    return load.contains(QStringLiteral("case"))
               ? "case " + load[QStringLiteral("case")].toString().toStdString()
               : "combination " + load[QStringLiteral("combination")].toString().toStdString();
}

// The stack's level rows: by height, then by choice, its "added" or "below" kN.
std::map<double, std::map<std::string, double>> stackLoads(const QJsonObject& stack,
                                                           const char* which) {
    std::map<double, std::map<std::string, double>> loads;
    for (const QJsonValue& level : stack[QStringLiteral("levels")].toArray()) {
        for (const QJsonValue& load : level[QStringLiteral("loads")].toArray()) {
            loads[level[QStringLiteral("height")].toDouble()][choiceOf(load.toObject())] =
                load[QLatin1String(which)].toDouble();
        }
    }
    return loads;
}

// The stack at (x, z) metres.
QJsonObject stackAt(const QJsonObject& json, double x, double z) {
    for (const QJsonValue& stack : json[QStringLiteral("stacks")].toArray()) {
        if (stack[QStringLiteral("x")].toDouble() == x &&
            stack[QStringLiteral("z")].toDouble() == z) {
            return stack.toObject();
        }
    }
    return {};
}

class TakedownDisplay : public ::testing::Test {
  protected:
    TakedownDisplay() : open(stackedBays()), json(takedownJson(open.listingPath())) {}

    // The labels the plan of the session's view writes beside the columns: text by column.
    std::map<std::pair<float, float>, std::string> columnLabels() {
        const ListingDocument& document = *open.window().document();
        test::RecordingSurface surface;
        drawLevel(document, open.view(), surface);
        std::map<std::pair<float, float>, std::string> labels;
        for (const auto& text : surface.texts()) {
            if (text.part != PlanPart::ColumnLoads) {
                continue;
            }
            // The nearest column's.
            const LevelColumn* nearest = nullptr;
            for (const LevelColumn& column : document.level(open.view().level).columns) {
                if (nearest == nullptr ||
                    std::hypot(column.x - text.x1, column.z - text.z1) <
                        std::hypot(nearest->x - text.x1, nearest->z - text.z1)) {
                    nearest = &column;
                }
            }
            labels[{nearest->x, nearest->z}] = text.text;
        }
        return labels;
    }

    OpenWindow open;
    QJsonObject json;
};

TEST_F(TakedownDisplay, TheControlBarsChoiceLabelsEachColumnWithItsLoadBelowTheLevel) {
    ControlBar& controls = open.controls();
    ASSERT_TRUE(controls.columnLoadsBox->isEnabled());
    EXPECT_FALSE(open.view().columnLoads);
    EXPECT_TRUE(columnLabels().empty());
    // Every case, then every combination.
    ASSERT_EQ(controls.columnLoadChoice->count(), 3);
    const struct {
        int item;
        std::string choice;  // as the JSON names it
        double height;       // of the level on show
    } steps[] = {
        {0, "case 1", 6}, {2, "combination 4", 6}, {1, "case 2", 3}, {2, "combination 4", 0}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.choice + " at " + std::to_string(step.height));
        open.session().showLevel(
            open.window().document()->levelAtMetres(static_cast<float>(step.height)));
        controls.columnLoadChoice->setCurrentIndex(step.item);
        emit controls.columnLoadChoice->activated(step.item);
        if (!controls.columnLoadsBox->isChecked()) {
            QTest::mouseClick(controls.columnLoadsBox, Qt::LeftButton);
        }
        ASSERT_TRUE(open.view().columnLoads);
        const auto labels = columnLabels();
        ASSERT_EQ(labels.size(), 4u);
        for (const QJsonValue& value : json[QStringLiteral("stacks")].toArray()) {
            const QJsonObject stack = value.toObject();
            const std::pair<float, float> at{
                static_cast<float>(std::lround(stack[QStringLiteral("x")].toDouble() * 100)),
                static_cast<float>(std::lround(stack[QStringLiteral("z")].toDouble() * 100))};
            // The lowest level has no column below: its label is what goes into the base.
            const auto loads = stackLoads(stack, "below");
            const double below = step.height == 0 ? loads.begin()->second.at(step.choice)
                                                  : loads.at(step.height).at(step.choice);
            ASSERT_TRUE(labels.contains(at));
            EXPECT_EQ(labels.at(at), columnLoadText(below));
        }
    }
    QTest::mouseClick(controls.columnLoadsBox, Qt::LeftButton);
    EXPECT_FALSE(open.view().columnLoads);
    EXPECT_TRUE(columnLabels().empty());
}

TEST_F(TakedownDisplay, TheReactionsInTheBeamsPointerTextsAddUpToTheColumnsLoads) {
    open.session().showLevel(open.window().document()->levelAtMetres(9));
    // The middles of the top floor's beams.
    const std::vector<QPointF> middles{{300, 0}, {300, 400}, {0, 200}, {600, 200}};
    for (const std::string choice : {"case 1", "combination 4"}) {
        SCOPED_TRACE(choice);
        if (choice != "case 1") {
            open.session().setColumnLoads(ColumnLoadChoice{true, "4"});
        }
        const std::regex reactions(
            "slab share peak ([0-9.]+) kN/m, total ([0-9.]+) kN; reactions ([0-9.]+) kN at "
            "([A-Z]+/[0-9]+), ([0-9.]+) kN at ([A-Z]+/[0-9]+) \\(" +
            choice + "\\)");
        std::map<std::string, double> atColumns;
        std::map<std::string, double> atJoints;
        double slab = 0;
        for (const QPointF& middle : middles) {
            const std::string text = open.hover(middle);
            std::smatch found;
            ASSERT_TRUE(std::regex_search(text, found, reactions)) << text;
            slab += std::stod(found[2]);
            atJoints[found[4]] += std::stod(found[3]);
            atJoints[found[6]] += std::stod(found[5]);
        }
        // The floor's load, whole: 6 x 4 m at 5 kN/m², or 1.5 x (5 + 2).
        EXPECT_NEAR(slab, choice == "case 1" ? 120 : 252, 0.2);
        for (const QJsonValue& value : json[QStringLiteral("stacks")].toArray()) {
            const QJsonObject stack = value.toObject();
            const std::string name = stack[QStringLiteral("name")].toString().toStdString();
            ASSERT_TRUE(atJoints.contains(name)) << name;
            EXPECT_NEAR(atJoints.at(name), stackLoads(stack, "added").at(9).at(choice), 0.1)
                << name;
        }
    }
}

TEST_F(TakedownDisplay, AClickOnAColumnShowsItsTakedownDownToTheBaseInTheProperties) {
    PropertiesDock& properties = *open.window().propertiesDock;
    properties.show();
    open.session().showLevel(open.window().document()->levelAtMetres(9));
    QTest::mouseClick(&open.canvas(), Qt::LeftButton, {}, open.pixelOf(QPointF(600, 0)));
    ASSERT_EQ(open.canvas().selection().size(), 1u);
    EXPECT_EQ(open.canvas().selection()[0].kind, SelectedItem::Kind::Column);
    const QTableWidget& table = *properties.table;
    const QJsonObject stack = stackAt(json, 6, 0);
    ASSERT_TRUE(properties.caption->text().contains(stack[QStringLiteral("name")].toString()));
    const auto below = stackLoads(stack, "below");
    const auto added = stackLoads(stack, "added");
    // Every level from the top down, each with its load added and its load below.
    std::vector<double> heights;
    for (int row = 0; row < table.rowCount(); ++row) {
        const std::string level = table.item(row, 0)->text().toStdString();
        if (level.empty()) {
            continue;
        }
        const double height = std::stod(level);
        heights.push_back(height);
        const std::string belowRow = table.item(row, 1)->text().toStdString();
        for (int column = 3; column < table.columnCount(); ++column) {
            std::string choice = table.horizontalHeaderItem(column)->text().toStdString();
            choice = choice.substr(0, choice.find(','));
            EXPECT_EQ(table.item(row, column)->text().toStdString(),
                      kNText(added.at(height).at(choice)))
                << level << " " << choice;
            // The load below closes the level's rows, after the parts of the load added.
            int closing = row + 1;
            while (closing < table.rowCount() &&
                   !table.item(closing, 1)->text().startsWith(QStringLiteral("in column"))) {
                ++closing;
            }
            ASSERT_LT(closing, table.rowCount());
            EXPECT_EQ(table.item(closing, column)->text().toStdString(),
                      kNText(below.at(height).at(choice)))
                << level << " " << choice;
        }
    }
    EXPECT_EQ(heights, (std::vector<double>{9, 6, 3}));
    EXPECT_TRUE(table.item(table.rowCount() - 1, 1)->text().contains(QStringLiteral("base")));
    // Each part of a load names the listing line it came from: the six floor loads' and the
    // member load's.
    std::set<long> lines;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!table.item(row, 2)->text().isEmpty()) {
            lines.insert(table.item(row, 2)->text().toLong());
        }
    }
    EXPECT_EQ(lines.size(), 7u);
}

#endif

}  // namespace
}  // namespace fp::testing

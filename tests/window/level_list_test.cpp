// The levels down the left: one label per level bottom to top, the level on show framed and its
// height above them; a click or the level keys choose another, and every choice is drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QTest>

#include "main_window_fixture.h"

namespace fp::testing {
namespace {

class LevelChoice : public ::testing::Test {
  protected:
    LevelChoice() : open(threeLevelListing()) {}

    int level() { return open.view().level; }
    QLabel& label(int level) { return *open.levels().levelLabels.at(level - 1); }
    bool framed(int level) { return label(level).frameShape() == QFrame::Box; }
    int drawn() { return open.canvas().plansDrawn(); }
    void press(Qt::Key key) { QTest::keyClick(&open.canvas(), key); }

    OpenWindow open;
};

TEST_F(LevelChoice, OneLabelPerLevelBottomToTopOpeningOnTheThirdLevel) {
    const auto& labels = open.levels().levelLabels;
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0]->text(), QStringLiteral(" 0"));
    EXPECT_EQ(labels[1]->text(), QStringLiteral(" 3.5"));
    EXPECT_EQ(labels[2]->text(), QStringLiteral(" 7"));
    // Each level directly above the one below.
    EXPECT_EQ(labels[1]->geometry().bottom() + 1, labels[0]->geometry().top());
    EXPECT_EQ(labels[2]->geometry().bottom() + 1, labels[1]->geometry().top());
    EXPECT_EQ(level(), 3);
    EXPECT_TRUE(framed(3));
    EXPECT_FALSE(framed(1) || framed(2));
    EXPECT_EQ(open.levels().heightLabel->text(), QStringLiteral("7 M"));
    EXPECT_EQ(open.levels().heightLabel->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(open.levels().heightLabel->font().pointSizeF(), 14.25);
    EXPECT_EQ(open.canvas().pickBoxes().size(), 4u);
}

TEST_F(LevelChoice, AClickOnALabelShowsItsLevelAndTheLevelOnShowIsDrawnAgain) {
    int before = drawn();
    QTest::mouseClick(&label(2), Qt::LeftButton);
    EXPECT_EQ(level(), 2);
    EXPECT_TRUE(framed(2));
    EXPECT_FALSE(framed(3));
    EXPECT_EQ(open.levels().heightLabel->text(), QStringLiteral("3.5 M"));
    EXPECT_EQ(drawn(), before + 1);
    // No beam of the middle level has a design block.
    EXPECT_TRUE(open.canvas().pickBoxes().empty());
    before = drawn();
    QTest::mouseClick(&label(2), Qt::LeftButton);
    EXPECT_TRUE(framed(2));
    EXPECT_EQ(drawn(), before + 1);
    // The plan takes the focus, so the level keys go on working.
    EXPECT_EQ(open.window().focusWidget(), &open.canvas());
}

TEST_F(LevelChoice, TheLevelKeysStepWithoutWrappingAndOtherKeysDoNothing) {
    const struct {
        Qt::Key key;
        int level;
    } steps[] = {{Qt::Key_Down, 2}, {Qt::Key_Down, 1},   {Qt::Key_Down, 1},
                 {Qt::Key_Up, 2},   {Qt::Key_Home, 3},   {Qt::Key_Up, 3},
                 {Qt::Key_End, 1},  {Qt::Key_PageUp, 3}, {Qt::Key_PageDown, 1}};
    // On the plan, and on the level list reached with Tab, alike.
    for (QWidget* focused :
         {static_cast<QWidget*>(&open.canvas()), static_cast<QWidget*>(&open.levels())}) {
        open.session().showLevel(3);
        for (const auto& [key, expected] : steps) {
            const int before = drawn();
            QTest::keyClick(focused, key);
            EXPECT_EQ(level(), expected) << QKeySequence(key).toString().toStdString();
            EXPECT_TRUE(framed(expected));
            EXPECT_EQ(drawn(), before + 1) << "each key draws the level, even at an end";
        }
    }
    const int before = drawn();
    // '&' and '(' have the key numbers 38 and 40, which are the arrows' codes on other systems.
    for (const Qt::Key key : {Qt::Key_Ampersand, Qt::Key_ParenLeft, Qt::Key_Left, Qt::Key_Right,
                              Qt::Key_A, Qt::Key_Space}) {
        press(key);
    }
    EXPECT_EQ(level(), 1);
    EXPECT_EQ(drawn(), before);
}

TEST_F(LevelChoice, TheHeightUsesTheUsersDecimalSeparatorAndTheLabelsThePoint) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    OpenWindow german(threeLevelListing());
    QLocale::setDefault(previous);
    QTest::mouseClick(german.levels().levelLabels[1], Qt::LeftButton);
    EXPECT_EQ(german.levels().heightLabel->text(), QStringLiteral("3,5 M"));
    EXPECT_EQ(german.levels().levelLabels[1]->text(), QStringLiteral(" 3.5"));
}

TEST(LevelStart, FewerThanThreeLevelsOpenOnTheHighestAndNoJointsOnAnEmptyPlan) {
    OpenWindow two(closeBeamsListing());
    EXPECT_EQ(two.view().level, 2);
    EXPECT_EQ(two.levels().heightLabel->text(), QStringLiteral("3 M"));

    // A listing without joints has one level, at 0, and nothing on it.
    OpenWindow none(
        "    1. UNIT METER KN\n    2. JOINT COORDINATES\n    3. MEMBER INCIDENCES\n    4. "
        "FINISH\n");
    EXPECT_EQ(none.view().level, 1);
    EXPECT_TRUE(none.canvas().pickBoxes().empty());
    QTest::keyClick(&none.canvas(), Qt::Key_Up);
    QTest::keyClick(&none.canvas(), Qt::Key_PageDown);
    EXPECT_EQ(none.view().level, 1);
}

// Forty levels do not fit the column: it scrolls, and the level on show stays in view.
TEST(LevelColumn, ALongColumnScrollsAndKeepsTheLevelOnShowInView) {
    OpenWindow open(manyLevelsListing(40, 1));
    open.window().resize(800, 600);
    QApplication::processEvents();
    QScrollArea& column = *open.levels().column;
    const auto inView = [&](int level) {
        const QLabel* label = open.levels().levelLabels.at(level - 1);
        const QRect shown(label->mapTo(column.viewport(), QPoint(0, 0)), label->size());
        return column.viewport()->rect().contains(shown);
    };
    EXPECT_TRUE(inView(3));
    QTest::keyClick(&open.canvas(), Qt::Key_Home);
    EXPECT_TRUE(inView(40));
    EXPECT_FALSE(inView(3));
    QTest::keyClick(&open.canvas(), Qt::Key_End);
    EXPECT_TRUE(inView(1));
}

}  // namespace
}  // namespace fp::testing

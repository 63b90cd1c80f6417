// The window on any screen: it starts within the screen and comes back where it was closed; at
// any size every control lies whole inside it, the intensity boxes wrap onto further rows, and
// the plan shows the whole level; the member-load label drags sideways over the plan.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include "main_window_fixture.h"
#include "window/member_loads_strip.h"

namespace fp::testing {
namespace {

// The widget's rectangle in the window's coordinates.
QRect inWindow(const QWidget& widget) {
    return QRect(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
}

// Whether the widget shows whole inside the window, clipped by no parent.
bool wholeInWindow(const QWidget& widget) {
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (!QRect(parent->mapTo(widget.window(), QPoint(0, 0)), parent->size())
                 .contains(inWindow(widget))) {
            return false;
        }
    }
    return true;
}

TEST(WindowLayout, AtEverySizeEveryControlIsWholeAndTheWholeLevelIsInView) {
    OpenWindow open(manyLevelsListing(40, 20));
    ControlBar& bar = open.controls();
    ASSERT_EQ(bar.intensityBoxes.size(), 20u);
    for (const QSize size : {QSize(800, 600), QSize(640, 480), QSize(1400, 900)}) {
        open.window().resize(size);
        QApplication::processEvents();
        std::vector<QWidget*> controls{
            bar.memberLoadOption,  bar.floorLoadOption,       bar.loadTypeBox, bar.intensitiesLabel,
            bar.allIntensitiesBox, open.levels().heightLabel, &open.canvas()};
        controls.insert(controls.end(), bar.intensityBoxes.begin(), bar.intensityBoxes.end());
        for (std::size_t i = 0; i < controls.size(); ++i) {
            EXPECT_TRUE(controls[i]->isVisible()) << i;
            EXPECT_TRUE(wholeInWindow(*controls[i]))
                << controls[i]->objectName().toStdString() << " at " << size.width();
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(inWindow(*controls[i]).intersects(inWindow(*controls[j])))
                    << controls[i]->objectName().toStdString() << " on "
                    << controls[j]->objectName().toStdString();
            }
        }
        EXPECT_GE(open.canvas().contentsRect().width(), 150);
        EXPECT_GE(open.canvas().contentsRect().height(), 100);
        open.canvas().zoomAtMiddle(3);
        open.action("fitAction").trigger();
        EXPECT_EQ(open.canvas().visibleFrame(), open.canvas().modelFrame());
    }
}

TEST(WindowPlace, StartsWithinTheScreenAndComesBackWhereItWasClosed) {
    QSettings().clear();
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    {
        TestedMainWindow first;
        EXPECT_LE(first.window().width(), free.width());
        EXPECT_LE(first.window().height(), free.height());
        first.window().resize(700, 500);
        first.window().close();
    }
    {
        TestedMainWindow again;
        EXPECT_EQ(again.window().size(), QSize(700, 500));
    }
    // Closed larger than this screen and partly off it (saved on a larger screen, or at a
    // smaller scale factor): it comes back whole within the screen.
    for (const QRect& closed : {QRect(free.center(), free.size()),
                                QRect(free.topLeft() - QPoint(300, 200), free.size() * 2)}) {
        {
            TestedMainWindow first;
            first.window().setGeometry(closed);
            first.window().close();
        }
        TestedMainWindow again;
        EXPECT_TRUE(free.contains(again.window().frameGeometry()))
            << again.window().frameGeometry().x() << "," << again.window().frameGeometry().y()
            << " " << again.window().frameGeometry().width() << "x"
            << again.window().frameGeometry().height();
    }
    // A screen that is gone is no place to come back to.
    QSettings().setValue(QStringLiteral("window/screen"), QStringLiteral("a screen unplugged"));
    TestedMainWindow elsewhere;
    EXPECT_NE(elsewhere.window().size(), QSize(700, 500));
    EXPECT_LE(elsewhere.window().width(), free.width());
    QSettings().clear();
}

TEST(MemberLoadsLabel, TheLeftButtonDragsItSidewaysAndItStaysOverThePlan) {
    OpenWindow open(threeLevelListing());
    QTest::mouseClick(open.controls().memberLoadOption, Qt::LeftButton);
    MemberLoadsStrip& strip = *open.controls().memberLoads;
    QLabel& label = *strip.label();
    const int top = label.y();
    const auto drag = [&](Qt::MouseButtons buttons, int by) {
        const QPoint grabbed(10, 5);
        QTest::mousePress(&label, Qt::LeftButton, {}, grabbed);
        QMouseEvent move(QEvent::MouseMove, grabbed + QPoint(by, 3),
                         label.mapToGlobal(grabbed + QPoint(by, 3)), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QApplication::sendEvent(&label, &move);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, grabbed + QPoint(by, 3));
    };
    drag(Qt::LeftButton, 40);
    EXPECT_EQ(strip.labelOffset(), 40);
    EXPECT_EQ(label.y(), top) << "it never moves down";
    drag(Qt::RightButton, 40);
    drag(Qt::LeftButton | Qt::RightButton, 40);
    EXPECT_EQ(strip.labelOffset(), 40);
    drag(Qt::LeftButton, 100000);
    EXPECT_EQ(label.geometry().right(), strip.rect().right());
    drag(Qt::LeftButton, -100000);
    EXPECT_EQ(strip.labelOffset(), 0);
}

}  // namespace
}  // namespace fp::testing

// The plan area: its image, its resolution and the mapping of its pixels to plan units.
#include "window/plan_area.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace fp {
namespace {

TEST(PlanArea, DrawsAtTheResolutionItsControlsArePlacedBy) {
    QWidget window;
    PlanArea area(&window, TwipsScale(144));
    area.setTwipsGeometry({0, 0, 3000, 1500});
    EXPECT_EQ(area.image().logicalDpiY(), 144);
    EXPECT_EQ(area.image().deviceIndependentSize(), QSizeF(area.contentsRect().size()));
}

TEST(PlanArea, MapsItsPixelsToPlanUnitsOnEachAxisAlone) {
    QWidget window;
    PlanArea area(&window, TwipsScale(96));
    area.setTwipsGeometry({0, 0, 3000, 1500});
    const QSizeF inside = area.image().deviceIndependentSize();
    area.setModelFrame({-100, -100, 900, 400});
    EXPECT_EQ(area.toPlan(QPointF(0, 0)), QPointF(-100, -100));
    const QPointF farCorner = area.toPlan(QPointF(inside.width(), inside.height()));
    EXPECT_DOUBLE_EQ(farCorner.x(), 900);
    EXPECT_DOUBLE_EQ(farCorner.y(), 400);
    const QPointF middle = area.toPlan(QPointF(inside.width() / 2.0, inside.height() / 2.0));
    EXPECT_DOUBLE_EQ(middle.x(), 400);
    EXPECT_DOUBLE_EQ(middle.y(), 150);
}

}  // namespace
}  // namespace fp

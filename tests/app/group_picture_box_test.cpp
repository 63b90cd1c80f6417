// The plan picture: its image, its resolution and the mapping of its pixels to plan units.
#include <gtest/gtest.h>

#include <QWidget>

#include "app/picture_box.h"

namespace fp {
namespace {

TEST(PictureBox, DrawsAtTheResolutionItsControlsArePlacedBy) {
    QWidget window;
    PictureBox picture(&window, TwipsScale(144));
    picture.setTwipsGeometry({0, 0, 3000, 1500});
    EXPECT_EQ(picture.image().logicalDpiY(), 144);
    EXPECT_EQ(picture.image().deviceIndependentSize(), QSizeF(picture.contentsRect().size()));
}

TEST(PictureBox, MapsItsPixelsToPlanUnitsOnEachAxisAlone) {
    QWidget window;
    PictureBox picture(&window, TwipsScale(96));
    picture.setTwipsGeometry({0, 0, 3000, 1500});
    const QSizeF inside = picture.image().deviceIndependentSize();
    picture.setUserScale({-100, -100, 900, 400});
    EXPECT_EQ(picture.toPlan(QPointF(0, 0)), QPointF(-100, -100));
    const QPointF farCorner = picture.toPlan(QPointF(inside.width(), inside.height()));
    EXPECT_DOUBLE_EQ(farCorner.x(), 900);
    EXPECT_DOUBLE_EQ(farCorner.y(), 400);
    const QPointF middle = picture.toPlan(QPointF(inside.width() / 2.0, inside.height() / 2.0));
    EXPECT_DOUBLE_EQ(middle.x(), 400);
    EXPECT_DOUBLE_EQ(middle.y(), 150);
}

}  // namespace
}  // namespace fp

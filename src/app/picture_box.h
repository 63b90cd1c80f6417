// The plan area: a framed picture kept in an image, drawn on in user units, with key and mouse
// events. The image persists, so covering and uncovering the window repaints without redrawing.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPointF>

#include "app/twips_placed.h"

namespace fp {

// The plan coordinates of the picture's four edges.
struct UserScale {
    double left = 0;
    double top = 0;
    double right = 1;
    double bottom = 1;
};

class PictureBox : public QFrame, public TwipsPlaced {
    Q_OBJECT
  public:
    PictureBox(QWidget* parent, const TwipsScale& scale);

    // The drawing, as large as the inside of the frame (in device-independent pixels). Call
    // refresh() after drawing on it.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    void refresh() { update(); }

    void setUserScale(const UserScale& scale) { userScale_ = scale; }
    const UserScale& userScale() const { return userScale_; }
    // A point of the image (pixels from its top-left corner) in plan units.
    QPointF toPlan(const QPointF& imagePixel) const;

  signals:
    void KeyDown(int keyCode);
    // The pointer in plan units.
    void MouseDown(Qt::MouseButton button, QPointF planPoint);

  protected:
    // A new size gets a new, blank image of the inside of the frame.
    void placed() override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    UserScale userScale_;
};

}  // namespace fp

// The plan area: a framed picture kept in an image, drawn on in plan units, with key and mouse
// events. The image persists, so covering and uncovering the window repaints without redrawing.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPointF>

#include "plan/plan_frame.h"
#include "window/placed_in_twips.h"

namespace fp {

class PlanArea : public QFrame, public PlacedInTwips {
    Q_OBJECT
  public:
    PlanArea(QWidget* parent, const TwipsScale& scale);

    // The drawing, as large as the inside of the frame (in device-independent pixels). Call
    // update() after drawing on it.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

    // The plan coordinates of the picture's four edges.
    void setFrame(const PlanFrame& frame) { frame_ = frame; }
    const PlanFrame& frame() const { return frame_; }
    // A point of the image (pixels from its top-left corner) in plan units.
    QPointF toPlan(const QPointF& imagePixel) const;

  signals:
    void keyPressed(int key);
    // The pointer in plan units.
    void pressed(Qt::MouseButton button, QPointF planPoint);

  protected:
    // A new size gets a new, blank image of the inside of the frame.
    void placed() override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    PlanFrame frame_{0, 0, 1, 1};
};

}  // namespace fp
